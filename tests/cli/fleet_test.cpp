// SPDX-License-Identifier: GPL-3.0-or-later
// telvar-k20 fleet: the targets file's checks, and the command over a dozen
// simulators and an address nobody listens on, each target a child process;
// one port shared by several rows, and a fleet stopped by SIGTERM.
#include "tests/cli/cli_process.h"

#include "cli/fleet_targets.h"
#include "platform/test_seams.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QThread>

#include <csignal>
#include <memory>

#include <gtest/gtest.h>

namespace telvar::test {
namespace {

using cli::FleetTarget;
using cli::parse_targets;

constexpr int DOZEN = 12;
const std::string LINE_FORMS = "is none of tcp:HOST:PORT, com:N (1-80) and device:PATH";

QJsonObject answer_of(const std::string& out)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
    return document.object();
}

// A loopback port that was free a moment ago: connecting to it is refused.
quint16 refused_port()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

QString fleet_row(const QString& name, quint16 port)
{
    return QStringLiteral("%1,tcp:127.0.0.1:%2\n").arg(name).arg(port);
}

TEST(FleetTargets, RefusesABadFileNamingItsLine)
{
    const auto at = [](int line, const std::string& why) { return "t.csv:" + std::to_string(line) + ": " + why; };
    const std::string header = "the header must be name,line";
    const struct {
        std::string content;
        std::string error;
    } cases[] = {
        {"", at(1, header)},
        {"\n\n", at(1, header)},
        {"station,address\nst01,com:1\n", at(1, header)},
        {"name;line\nst01;com:1\n", at(1, header)},
        {"st01,com:1\n", at(1, header)},
        {"name,line\n\n", "t.csv: no target under the header name,line"},
        {"name,line\nst01,com:1,spare\n", at(2, "a row needs name,line")},
        {"name,line\nst01 com:1\n", at(2, "a row needs name,line")},
        {"name,line\n,com:1\n", at(2, "the name is empty")},
        {"name,line\nst01,com:1\nst02,com:2\n\nst01,com:3\n", at(5, "the name st01 is on line 2 already")},
        {"name,line\nst01,com:1\nST01,com:2\n", at(3, "the name ST01 is on line 2 already")},
        {"name,line\nhall/st01,com:1\n", at(2, "the name 'hall/st01' cannot be a file name (no /, . or .., no control characters)")},
        {"name,line\n..,com:1\n", at(2, "the name '..' cannot be a file name (no /, . or .., no control characters)")},
        {"name,line\n.,com:1\n", at(2, "the name '.' cannot be a file name (no /, . or .., no control characters)")},
        {"name,line\nst\x1b[2J,com:1\n", at(2, "the name 'st\x1b[2J' cannot be a file name (no /, . or .., no control characters)")},
        {"name,line\n" + std::string(252, 's') + ",com:1\n", at(2, "the name is longer than 251 bytes")},
        {"name,line\nst01,com:81\n", at(2, "the line 'com:81' " + LINE_FORMS)},
        {"name,line\nst01,com:0\n", at(2, "the line 'com:0' " + LINE_FORMS)},
        {"name,line\nst01,com:1x\n", at(2, "the line 'com:1x' " + LINE_FORMS)},
        {"name,line\nst01,tcp:plant-a\n", at(2, "the line 'tcp:plant-a' " + LINE_FORMS)},
        {"name,line\nst01,tcp:plant-a:65536\n", at(2, "the line 'tcp:plant-a:65536' " + LINE_FORMS)},
        {"name,line\nst01,device:\n", at(2, "the line 'device:' " + LINE_FORMS)},
        {"name,line\nst01,device:/dev/tty\x01S0\n", at(2, "the line 'device:/dev/tty\x01S0' " + LINE_FORMS)},
        {"name,line\nst01,192.168.1.20:10001\n", at(2, "the line '192.168.1.20:10001' " + LINE_FORMS)},
    };
    for (const auto& c : cases) {
        std::vector<FleetTarget> targets;
        std::string error;
        EXPECT_FALSE(parse_targets(c.content, "t.csv", &targets, &error)) << c.content;
        EXPECT_EQ(error, c.error) << c.content;
    }
}

// As a spreadsheet saves it: a byte order mark, CRLF, blank rows, blanks
// around the fields. A COM port and a device path that are the same device
// are one port, and so is one address written twice.
TEST(FleetTargets, TakesASpreadsheetsFileAndKnowsOnePortUnderEachOfItsNames)
{
    QTemporaryDir dir;
    SetPseudoTerminalDir(dir.path().toStdString());
    const QString terminal = dir.filePath("ttyTELVAR0");
    write_file(terminal, "");
    ASSERT_TRUE(QFile::link(terminal, dir.filePath("alias")));
    const std::string folder = dir.path().toStdString();
    const std::string content = "\xEF\xBB\xBFname,line\r\n st01 , TCP:Plant-A:10001\r\n\r\nst02,tcp:plant-a:10001\n"
                                "st03,com:65\nst04,device:" + folder + "/alias\nst05,device:" + folder + "/./ttyTELVAR0\n"
                                "st06,com:66\nst07,device:/dev/ttyUSB0\nst08,com:33\nst09,tcp:plant-a:10002";
    std::vector<FleetTarget> targets;
    std::string error;
    ASSERT_TRUE(parse_targets(content, "t.csv", &targets, &error)) << error;
    ASSERT_EQ(targets.size(), 9u);
    EXPECT_EQ(targets[0].name, "st01");
    EXPECT_EQ(targets[0].line, "TCP:Plant-A:10001");
    EXPECT_EQ(targets[0].choice.host, "Plant-A");
    EXPECT_EQ(targets[0].choice.port, 10001);
    EXPECT_EQ(targets[4].choice.device, folder + "/./ttyTELVAR0");
    const auto same = [&](std::size_t a, std::size_t b) { return targets[a].port_key == targets[b].port_key; };
    EXPECT_TRUE(same(0, 1)) << "host names know no case";
    EXPECT_TRUE(same(2, 3) && same(2, 4)) << "COM65 is the link the alias points to";
    EXPECT_TRUE(same(6, 7)) << "COM33 is /dev/ttyUSB0";
    EXPECT_FALSE(same(2, 5) || same(0, 8) || same(2, 6) || same(0, 2));
}

// A dozen controllers and a dead address, the dozen's simulators started
// once for every command; the dead one fails each command alone.
TEST(Fleet, EveryCommandOverADozenControllersAndADeadAddress)
{
    std::vector<std::unique_ptr<Simulator>> sims;
    QString rows = QStringLiteral("name,line\n");
    for (int k = 1; k <= DOZEN; ++k) {
        sims.push_back(std::make_unique<Simulator>());
        ASSERT_TRUE(sims.back()->ready());
        rows += fleet_row(QStringLiteral("st%1").arg(k, 2, 10, QLatin1Char('0')), sims.back()->tcp_port());
    }
    const quint16 dead = refused_port();
    QTemporaryDir dir;
    const QString all = dir.filePath("all.csv");
    const QString dozen = dir.filePath("dozen.csv");
    write_file(all, (rows + fleet_row("dead", dead)).toStdString());
    write_file(dozen, rows.toStdString());
    const QString dead_error = QStringLiteral("Failed to connect (TCP 127.0.0.1:%1); check the address and that the "
                                              "controller is switched on").arg(dead);

    const CliResult info = run_cli({"fleet", "--targets", all, "--jobs", "4", "--json", "info"});
    EXPECT_EQ(info.code, 7) << info.err;
    const QJsonObject answer = answer_of(info.out);
    EXPECT_EQ(answer["command"].toString(), "info");
    EXPECT_EQ(answer["ok"].toInt(), DOZEN);
    EXPECT_EQ(answer["failed"].toInt(), 1);
    const QJsonArray entries = answer["targets"].toArray();
    ASSERT_EQ(entries.size(), DOZEN + 1);
    for (int k = 0; k < DOZEN; ++k) {
        const QJsonObject entry = entries[k].toObject();
        EXPECT_EQ(entry["name"].toString(), QStringLiteral("st%1").arg(k + 1, 2, 10, QLatin1Char('0'))) << "the file's order";
        EXPECT_EQ(entry["line"].toString(), QStringLiteral("tcp:127.0.0.1:%1").arg(sims[k]->tcp_port()));
        EXPECT_EQ(entry["exit"].toInt(-1), 0);
        EXPECT_EQ(entry["version"].toString(), "TELVAR-K20 SIM V1.00") << "the child's own JSON";
        EXPECT_FALSE(entry.contains("error"));
    }
    const QJsonObject failed = entries[DOZEN].toObject();
    EXPECT_EQ(failed["exit"].toInt(), 3);
    EXPECT_EQ(failed["result"].toString(), "failed");
    EXPECT_EQ(failed["error"].toString(), dead_error) << "the child's last line, without the program's name";

    const QString sets = dir.filePath("sets");
    ASSERT_TRUE(QDir().mkdir(sets));
    const CliResult get = run_cli({"fleet", "--targets", all, "get", "-o", sets});
    EXPECT_EQ(get.code, 7);
    EXPECT_NE(get.out.find("name  line"), std::string::npos) << get.out;
    EXPECT_NE(get.out.find("dead  tcp:127.0.0.1:" + std::to_string(dead) + "  failed  " + dead_error.toStdString() + "\n"),
              std::string::npos) << get.out;
    EXPECT_NE(get.out.find("13 targets: 12 ok, 1 failed.\n"), std::string::npos) << get.out;
    for (int k = 1; k <= DOZEN; ++k)
        EXPECT_NE(read_file(QDir(sets).filePath(QStringLiteral("st%1.ini").arg(k, 2, 10, QLatin1Char('0')))).find("[CHANNEL A]"),
                  std::string::npos) << k;
    EXPECT_FALSE(QFileInfo::exists(QDir(sets).filePath("dead.ini")));

    // One file for every target: the dozen differ from it until it is sent.
    const QString changed = dir.filePath("changed.ini");
    std::string text = read_file(QDir(sets).filePath("st01.ini"));
    const std::size_t power = text.find("Laser Power Setting");
    ASSERT_NE(power, std::string::npos);
    text.replace(power, text.find('\n', power) - power, "Laser Power Setting = 3");
    write_file(changed, text);
    const CliResult differ = run_cli({"fleet", "--targets", dozen, "--json", "verify", changed});
    EXPECT_EQ(differ.code, 1) << "differences, no failure";
    for (const QJsonValue entry : answer_of(differ.out)["targets"].toArray()) {
        EXPECT_EQ(entry["result"].toString(), "differences");
        EXPECT_EQ(entry["differences"].toArray().size(), 1);
    }
    const CliResult send = run_cli({"fleet", "--targets", dozen, "send", changed, "-q"});
    EXPECT_EQ(send.code, 0) << send.out << send.err;
    EXPECT_EQ(send.out.find("targets:"), std::string::npos) << "-q leaves out the summary";
    const CliResult same = run_cli({"fleet", "--targets", dozen, "verify", changed});
    EXPECT_EQ(same.code, 0) << same.out;
    EXPECT_NE(same.out.find("st12  tcp:127.0.0.1:" + std::to_string(sims.back()->tcp_port()) + "  ok      no difference in"),
              std::string::npos) << same.out;
    const CliResult with_dead = run_cli({"fleet", "--targets", all, "verify", changed});
    EXPECT_EQ(with_dead.code, 7) << "a failure outweighs differences";

    // Refused whole before any child runs, so that nothing is half done.
    const QString bad = dir.filePath("bad.csv");
    write_file(bad, (rows + "st13,tcp:127.0.0.1\n").toStdString());
    const QString fresh = dir.filePath("fresh");
    ASSERT_TRUE(QDir().mkdir(fresh));
    const CliResult refused = run_cli({"fleet", "--targets", bad, "get", "-o", fresh});
    EXPECT_EQ(refused.code, 4);
    EXPECT_EQ(refused.err, "telvar-k20: " + bad.toStdString() + ":14: the line 'tcp:127.0.0.1' " + LINE_FORMS + "\n");
    EXPECT_TRUE(QDir(fresh).isEmpty());
    const CliResult no_folder = run_cli({"fleet", "--targets", dozen, "report", "-o", dir.filePath("missing")});
    EXPECT_EQ(no_folder.code, 4);
    EXPECT_EQ(no_folder.err, "telvar-k20: Not a folder to write the targets' files into: " + dir.filePath("missing").toStdString() + "\n");
    const CliResult folder_as_targets = run_cli({"fleet", "--targets", fresh, "info"});
    EXPECT_EQ(folder_as_targets.code, 4);
    EXPECT_NE(folder_as_targets.err.find("Could not read the targets file: " + fresh.toStdString()), std::string::npos);
}

// Rows that name one serial port, by number, path or link, take it one
// after the other: at once they would mix their frames on the one line.
TEST(Fleet, RowsOnOneSerialPortRunOneAfterTheOther)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(device_path(sim), dir.filePath("alias")));
    const QString targets = dir.filePath("t.csv");
    write_file(targets, QStringLiteral("name,line\na,com:65\nb,device:%1\nc,device:%2\nd,com:65\n")
                            .arg(device_path(sim), dir.filePath("alias")).toStdString());
    const CliResult report = run_cli({"fleet", "--targets", targets, "--json", "report", "-o", dir.path()}, &sim, 60000);
    EXPECT_EQ(report.code, 0) << report.out << report.err;
    for (const char* name : {"a", "b", "c", "d"}) {
        const QString pdf = dir.filePath(QString::fromLatin1(name) + ".pdf");
        EXPECT_EQ(read_file(pdf).substr(0, 5), "%PDF-") << name;
    }
    EXPECT_EQ(answer_of(report.out)["targets"].toArray()[1].toObject()["file"].toString(), dir.filePath("b.pdf"));
}

// SIGTERM ends the running child, starts no other and keeps the files
// already whole; the table tells what was done.
TEST(Fleet, StoppedBySigtermTellsWhatWasDone)
{
    // Five answers of 300 ms for each get: the first is whole and its
    // child ended, the second's is still under way, 600 ms after.
    Simulator slow({"--delay", "300"});
    ASSERT_TRUE(slow.ready());
    QTemporaryDir dir;
    const QString targets = dir.filePath("t.csv");
    write_file(targets, (QStringLiteral("name,line\n") + fleet_row("first", slow.tcp_port()) + fleet_row("second", slow.tcp_port())
                         + fleet_row("third", slow.tcp_port())).toStdString());
    CliProcess fleet({"fleet", "--targets", targets, "--jobs", "1", "get", "-o", dir.path()});
    QDeadlineTimer deadline(20000);
    while (!QFileInfo::exists(dir.filePath("first.ini")) && !deadline.hasExpired())
        QThread::msleep(10);
    QThread::msleep(600);
    const CliResult stopped = fleet.stop(SIGTERM);
    EXPECT_EQ(stopped.code, 143) << stopped.err;
    EXPECT_NE(read_file(dir.filePath("first.ini")).find("[CHANNEL A]"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("second.ini")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("third.ini")));
    EXPECT_NE(stopped.out.find("first   tcp:127.0.0.1:" + std::to_string(slow.tcp_port()) + "  ok"), std::string::npos) << stopped.out;
    EXPECT_NE(stopped.out.find("second  tcp:127.0.0.1:" + std::to_string(slow.tcp_port()) + "  interrupted"), std::string::npos) << stopped.out;
    EXPECT_NE(stopped.out.find("third   tcp:127.0.0.1:" + std::to_string(slow.tcp_port()) + "  not run\n"), std::string::npos) << stopped.out;
    EXPECT_EQ(stopped.err, "telvar-k20: Interrupted; 3 targets: 1 ok, 1 failed, 1 not run.\n");
}

}  // namespace
}  // namespace telvar::test
