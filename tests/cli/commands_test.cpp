// telvar-k20's small commands and its ends: help and usage errors, the
// version, reset and teach, the port list, and a line that fails as it
// opens, a controller that never answers, one that refuses, one that hangs up.
#include "tests/cli/cli_process.h"

#include "firmware/download.h"
#include "platform/serial_ports.h"

#include <QTcpServer>

#include <gtest/gtest.h>

namespace telvar::test {
namespace {

TEST(CliCommands, HelpListsTheCommandsAndExitCodesAndUsageErrorsEndWithTwo)
{
    const CliResult help = run_cli({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* part : {"info", "get [--eeprom] -o FILE.ini", "send FILE.ini", "verify FILE.ini", "live",
                             "datamem --channel A|B", "reset", "teach", "merge FIRMWARE.S", "download IMAGE.S --com N",
                             "--list-ports", "0  done", "1  verify found differences", "2  usage error",
                             "3  link failure", "4  file error"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;

    const CliResult unknown = run_cli({"--tcp", "127.0.0.1:1", "frobnicate"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err, "telvar-k20: unknown command 'frobnicate'\nTry 'telvar-k20 --help'.\n");
    EXPECT_EQ(unknown.out, "");

    const CliResult over_tcp = run_cli({"--tcp", "127.0.0.1:1", "download", "image.S"});
    EXPECT_EQ(over_tcp.code, 2) << "the image goes to the boot loader over RS-232 alone";
    EXPECT_EQ(over_tcp.err, "telvar-k20: To upgrade the controller you need to establish a connection\n"
                            "using a RS232 COM port or an RS232-to-USB converter emulating\n"
                            "an virtual COM port. Upgrade is not supported using TCP/IP.\n"
                            "Try 'telvar-k20 --help'.\n");
}

TEST(CliCommands, InfoResetAndTeachOverEitherLine)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    for (const QStringList& line : {tcp_line(sim), com_line(sim)}) {
        const CliResult info = run_cli(line + QStringList{"info"}, &sim);
        EXPECT_EQ(info.code, 0) << info.err;
        EXPECT_EQ(info.out, "TELVAR-K20 SIM V1.00\n");
        EXPECT_EQ(info.err, "");
    }
    const CliResult reset = run_cli(com_line(sim) + QStringList{"reset"}, &sim);
    EXPECT_EQ(reset.code, 0) << reset.err;
    EXPECT_EQ(reset.out, "Reseting data ... Success!\n");
    const CliResult teach = run_cli(tcp_line(sim) + QStringList{"teach"}, &sim);
    EXPECT_EQ(teach.code, 0) << teach.err;
    EXPECT_EQ(teach.out, "Sending TEACH order ... Success!\n");
}

TEST(CliCommands, ARefusedOrderOrAWrongEchoIsALinkFailure)
{
    Simulator refusing({"--nak-codes", "13"});
    ASSERT_TRUE(refusing.ready());
    const CliResult reset = run_cli(tcp_line(refusing) + QStringList{"reset"}, &refusing);
    EXPECT_EQ(reset.code, 3);
    EXPECT_EQ(reset.err, "Error! Sensor echo incorrect.\n");
    EXPECT_EQ(reset.out, "");

    Simulator swapped({"--wrong-sync"});
    ASSERT_TRUE(swapped.ready());
    const CliResult info = run_cli(tcp_line(swapped) + QStringList{"info"}, &swapped);
    EXPECT_EQ(info.code, 3);
    EXPECT_EQ(info.err, "Error! Sensor echo incorrect.\n") << "the line check says nothing of its own then";
}

TEST(CliCommands, ALineThatDoesNotOpenEndsWithThreeAndItsText)
{
    QTcpServer vanished;
    ASSERT_TRUE(vanished.listen(QHostAddress::LocalHost));
    const quint16 port = vanished.serverPort();
    vanished.close();
    const CliResult refused = run_cli({"--tcp", QStringLiteral("127.0.0.1:%1").arg(port), "info"});
    EXPECT_EQ(refused.code, 3);
    EXPECT_EQ(refused.err, "Failed to connect\n");

    Simulator sim;
    ASSERT_TRUE(sim.ready());
    const CliResult no_port = run_cli({"--com", "80", "info"}, &sim);
    EXPECT_EQ(no_port.code, 3);
    EXPECT_EQ(no_port.err, "No serial port found\n") << "no link for COM 80 in the folder";
}

TEST(CliCommands, ASilentControllerFailsTheLineCheckAfterEveryAttempt)
{
    Simulator silent({"--silent"});
    ASSERT_TRUE(silent.ready());
    const CliResult info = run_cli(tcp_line(silent) + QStringList{"info"}, &silent);
    EXPECT_EQ(info.code, 3);
    EXPECT_EQ(info.err, "Error! No connection found.\n");
    EXPECT_EQ(info.out, "");
}

TEST(CliCommands, AHangUpIsALineOnStandardErrorBeforeTheLostConnection)
{
    Simulator sim({"--close-after", "2"});  // the line check and the version
    ASSERT_TRUE(sim.ready());
    const CliResult reset = run_cli(tcp_line(sim) + QStringList{"reset"}, &sim);
    EXPECT_EQ(reset.code, 3);
    EXPECT_EQ(reset.err, "TCP Client: Server has closed connection!\nError! Connection lost.\n");
}

TEST(CliCommands, ListPortsGivesEachPortWithWhatIsKnownOfIt)
{
    Simulator sim;  // its pseudo-terminal is COM 65
    ASSERT_TRUE(sim.ready());
    std::string expected;
    for (const ComPortInfo& port : DescribeComPorts())
        expected += ComPortLabel(port) + "\n";
    const CliResult list = run_cli({"--list-ports"}, &sim);
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out, expected);
    EXPECT_NE(list.out.find(ComDevice(65)), std::string::npos) << list.out;
}

}  // namespace
}  // namespace telvar::test
