// SPDX-License-Identifier: GPL-3.0-or-later
// telvar-k20's small commands and its ends: help, version and usage
// errors, the controller's version over every line, reset and teach, the
// port list, and a line that fails as it opens, a controller that never
// answers, one that refuses, one that hangs up; output no one takes.
#include "tests/cli/cli_process.h"

#include "tests/sim/srecords.h"

#include "firmware/download.h"
#include "platform/serial_ports.h"
#include "storage/parameter_text.h"
#include "telvar_version.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace telvar::test {
namespace {

QJsonObject json_of(const std::string& out)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
    return document.object();
}

TEST(CliCommands, HelpListsTheCommandsAndExitCodesAndUsageErrorsEndWithTwo)
{
    const CliResult help = run_cli({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* part : {"info", "get [--eeprom] -o FILE.ini", "send FILE.ini", "verify FILE.ini", "live",
                             "datamem --channel A|B", "--timeout SECONDS", "reset", "teach", "merge FIRMWARE.S",
                             "download IMAGE.S (--com N | --device PATH)", "report [--eeprom | FILE.ini] -o REPORT.pdf",
                             "--list-ports", "--device PATH",
                             "-q, --quiet", "--json", "--version", "usermod -aG dialout", "0    done",
                             "1    verify found differences", "2    usage error", "3    link failure",
                             "4    file error", "5    download: the controller is left waiting in its boot loader",
                             "6    datamem: no new recording within --timeout", "130  ended by Ctrl-C (SIGINT)",
                             "fleet --targets FILE [--jobs N] [--json] COMMAND [ARGS]",
                             "stats (--csv FILE | --count N) [--json]",
                             "7    fleet: the command failed on one target or more",
                             "143  ended by SIGTERM"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;

    const CliResult version = run_cli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, std::string("telvar-k20 ") + TELVAR_VERSION + "\n");
    EXPECT_EQ(version.err, "");

    const CliResult unknown = run_cli({"--tcp", "127.0.0.1:1", "frobnicate"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err, "telvar-k20: unknown command 'frobnicate'\nTry 'telvar-k20 --help'.\n");
    EXPECT_EQ(unknown.out, "");

    const CliResult over_tcp = run_cli({"--tcp", "127.0.0.1:1", "download", "image.S"});
    EXPECT_EQ(over_tcp.code, 2) << "the image goes to the boot loader over RS-232 alone";
    EXPECT_EQ(over_tcp.err, "telvar-k20: To upgrade the controller you need to establish a connection\n"
                            "telvar-k20: using a RS232 COM port or an RS232-to-USB converter emulating\n"
                            "telvar-k20: an virtual COM port. Upgrade is not supported using TCP/IP.\n"
                            "Try 'telvar-k20 --help'.\n")
        << "every line of the message says whose it is";
}

TEST(CliCommands, InfoResetAndTeachOverEveryLine)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    for (const QStringList& line : {tcp_line(sim), com_line(sim), device_line(sim)}) {
        const CliResult info = run_cli(line + QStringList{"info"}, &sim);
        EXPECT_EQ(info.code, 0) << info.err;
        EXPECT_EQ(info.out, "TELVAR-K20 SIM V1.00\n");
        EXPECT_EQ(info.err, "");
    }
    const CliResult json = run_cli(device_line(sim) + QStringList{"info", "--json"}, &sim);
    EXPECT_EQ(json.code, 0) << json.err;
    const QJsonObject answer = json_of(json.out);
    EXPECT_EQ(answer.value("line").toString(), device_path(sim));
    EXPECT_EQ(answer.value("version").toString(), "TELVAR-K20 SIM V1.00");

    const CliResult reset = run_cli(com_line(sim) + QStringList{"reset"}, &sim);
    EXPECT_EQ(reset.code, 0) << reset.err;
    EXPECT_EQ(reset.out, "Reseting data ... Success!\n");
    const CliResult teach = run_cli(tcp_line(sim) + QStringList{"teach"}, &sim);
    EXPECT_EQ(teach.code, 0) << teach.err;
    EXPECT_EQ(teach.out, "Sending TEACH order ... Success!\n");
    const CliResult quiet = run_cli(device_line(sim) + QStringList{"teach", "-q"}, &sim);
    EXPECT_EQ(quiet.code, 0) << quiet.err;
    EXPECT_EQ(quiet.out + quiet.err, "") << "no status line under -q";
}

TEST(CliCommands, ARefusedOrderOrAWrongEchoIsALinkFailure)
{
    Simulator refusing({"--nak-codes", "13"});
    ASSERT_TRUE(refusing.ready());
    const CliResult reset = run_cli(com_line(refusing) + QStringList{"reset"}, &refusing);
    EXPECT_EQ(reset.code, 3);
    EXPECT_EQ(reset.err, "telvar-k20: Error! Sensor echo incorrect. (COM65 " + device_path(refusing).toStdString() + ")\n");
    EXPECT_EQ(reset.out, "");

    Simulator swapped({"--wrong-sync"});
    ASSERT_TRUE(swapped.ready());
    const CliResult info = run_cli(tcp_line(swapped) + QStringList{"info"}, &swapped);
    EXPECT_EQ(info.code, 3);
    EXPECT_EQ(info.err, "telvar-k20: Error! Sensor echo incorrect. (TCP 127.0.0.1:" + std::to_string(swapped.tcp_port()) + ")\n")
        << "the line check says nothing of its own then";
}

TEST(CliCommands, ALineThatDoesNotOpenEndsWithThreeAndSaysWhereAndWhatToDo)
{
    QTcpServer vanished;
    ASSERT_TRUE(vanished.listen(QHostAddress::LocalHost));
    const quint16 port = vanished.serverPort();
    vanished.close();
    const CliResult refused = run_cli({"--tcp", QStringLiteral("127.0.0.1:%1").arg(port), "info"});
    EXPECT_EQ(refused.code, 3);
    EXPECT_EQ(refused.err, "telvar-k20: Failed to connect (TCP 127.0.0.1:" + std::to_string(port)
                               + "); check the address and that the controller is switched on\n");
    // The window's German lies beside the program; the command line stays English on a German desktop.
    const CliResult german = run_cli({"--tcp", QStringLiteral("127.0.0.1:%1").arg(port), "info"}, nullptr,
                                     {.environment = {"LANG=de_DE.UTF-8", "LANGUAGE=de", "LC_ALL=de_DE.UTF-8"}});
    EXPECT_EQ(german.err, refused.err);

    Simulator sim;
    ASSERT_TRUE(sim.ready());
    const CliResult no_port = run_cli({"--com", "80", "info"}, &sim);
    EXPECT_EQ(no_port.code, 3);
    EXPECT_EQ(no_port.err, "telvar-k20: No serial port found (COM80 " + sim.directory().toStdString()
                               + "/ttyTELVAR15); telvar-k20 --list-ports lists the ports present\n")
        << "no link for COM 80 in the folder";

    const CliResult folder = run_cli({"--device", sim.directory(), "info"}, &sim);
    EXPECT_EQ(folder.code, 3);
    EXPECT_EQ(folder.err, "telvar-k20: Unknown system error (" + sim.directory().toStdString() + "); "
                              + sim.directory().toStdString() + " is a folder: give the path of a serial device\n");

    // A listener whose queue is full lets a connection wait until it times out.
    QTcpServer full;
    full.setListenBacklogSize(0);
    ASSERT_TRUE(full.listen(QHostAddress::LocalHost));
    QTcpSocket queued;
    queued.connectToHost(QHostAddress::LocalHost, full.serverPort());
    ASSERT_TRUE(queued.waitForConnected(5000));
    const CliResult timed_out = run_cli({"--tcp", QStringLiteral("127.0.0.1:%1").arg(full.serverPort()), "info"});
    EXPECT_EQ(timed_out.code, 3);
    EXPECT_EQ(timed_out.err, "telvar-k20: Time out error  (TCP 127.0.0.1:" + std::to_string(full.serverPort())
                                 + "); check the address and that the controller is switched on\n");

    // A port one program holds is busy for the next, root or not.
    CliProcess holder(com_line(sim) + QStringList{"live"}, &sim);
    ASSERT_TRUE(holder.wait_output(1));
    const CliResult busy = run_cli(device_line(sim) + QStringList{"info"}, &sim);
    EXPECT_EQ(busy.code, 3);
    EXPECT_EQ(busy.err, "telvar-k20: Cannot open port " + device_path(sim).toStdString()
                            + ": it is busy; close the program that uses it and try again\n");
}

TEST(CliCommands, ASilentControllerFailsTheLineCheckAfterEveryAttempt)
{
    Simulator silent({"--silent"});
    ASSERT_TRUE(silent.ready());
    const CliResult info = run_cli(tcp_line(silent) + QStringList{"info"}, &silent);
    EXPECT_EQ(info.code, 3);
    EXPECT_EQ(info.err, "telvar-k20: Error! No connection found. (TCP 127.0.0.1:" + std::to_string(silent.tcp_port())
                            + "); check the cable, the port and that the controller is switched on\n");
    EXPECT_EQ(info.out, "");
}

TEST(CliCommands, AHangUpIsALineOnStandardErrorBeforeTheLostConnection)
{
    Simulator sim({"--close-after", "2"});  // the line check and the version
    ASSERT_TRUE(sim.ready());
    const CliResult reset = run_cli(tcp_line(sim) + QStringList{"reset"}, &sim);
    EXPECT_EQ(reset.code, 3);
    EXPECT_EQ(reset.err, "telvar-k20: TCP Client: Server has closed connection!\n"
                         "telvar-k20: Error! Connection lost. (TCP 127.0.0.1:" + std::to_string(sim.tcp_port())
                             + "); check the cable and that the controller is switched on, then run the command again\n");
}

// Output that no one takes, as in "telvar-k20 info | true", fails the
// command; a download goes on to its end all the same.
TEST(CliCommands, OutputIntoAClosedPipeEndsWithFourOnceTheWorkIsDone)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return QDir(dir.path()).filePath(QString::fromLatin1(name)); };
    write_file(path("set.ini"), parameter_file_text(factory_words().data()));
    write_file(path("fw.S"), sim::test::firmware_image(160));
    std::string table;
    for (int k = 0; k < 1024; ++k)
        table += "value\r\n" + std::to_string(k) + "\r\n";
    write_file(path("a.dat"), table);
    Simulator sim({"--image-out", path("received.S")});
    ASSERT_TRUE(sim.ready());

    const QStringList commands[] = {
        {"--help"},
        {"--version"},
        {"--list-ports"},
        tcp_line(sim) + QStringList{"info"},
        tcp_line(sim) + QStringList{"verify", path("set.ini")},
        tcp_line(sim) + QStringList{"reset"},
        {"merge", path("fw.S"), "--lin-a", path("a.dat"), "--start", "0", "--end", "4096", "-o", path("merged.S")},
        {"report", path("set.ini"), "-o", path("set.pdf")},
        com_line(sim) + QStringList{"download", path("fw.S")},
    };
    for (const QStringList& command : commands) {
        const CliResult closed = run_cli(command, &sim, {.output_closed = true});
        EXPECT_EQ(closed.code, 4) << command.join(' ').toStdString();
        EXPECT_EQ(closed.err, "telvar-k20: Could not write to standard output (broken pipe)\n")
            << command.join(' ').toStdString();
    }
    EXPECT_EQ(read_file(path("received.S")), read_file(path("fw.S"))) << "the whole image, the controller out of its boot loader";
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

    const CliResult json = run_cli({"--list-ports", "--json"}, &sim);
    EXPECT_EQ(json.code, 0);
    const QJsonArray ports = json_of(json.out).value("ports").toArray();
    ASSERT_EQ(ports.size(), qsizetype(DescribeComPorts().size()));
    const auto pty = std::find_if(ports.begin(), ports.end(), [](const QJsonValue& port) { return port["port"] == 65; });
    ASSERT_NE(pty, ports.end()) << json.out;
    const QJsonObject found = pty->toObject();
    EXPECT_EQ(found.value("device").toString().toStdString(), ComDevice(65));
    EXPECT_TRUE(found.value("accessible").toBool());
}

}  // namespace
}  // namespace telvar::test
