// SPDX-License-Identifier: GPL-3.0-or-later
// live and datamem against the simulator: the recorder's columns with the
// controller's thresholds, JSON Lines and line protocol, Ctrl-C and SIGTERM,
// a line that hangs up in the middle and comes back, a data-memory recording with its trigger where the pretrigger puts
// it, one that does not come in time, and one its target refuses; stats
// over live samples and over recordings, and the recordings it refuses.
#include "tests/cli/cli_process.h"

#include "scope/recorder_csv.h"
#include "scope/trace_table.h"
#include "scope/traces.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <cstdio>

#include <gtest/gtest.h>

namespace telvar::test {
namespace {

constexpr std::uint16_t TRIGGER_A = 2500;
constexpr std::uint16_t PRETRIGGER_A = 40;

// Thresholds the program starts without: they can only come from the controller.
Words controller_words()
{
    Words words = factory_words();
    words[11] = TRIGGER_A;
    words[4] = PRETRIGGER_A;
    words[22] = 2200;
    words[44] = 2100;
    return words;
}

QStringList rows_of(const std::string& csv)
{
    QStringList rows = QString::fromStdString(csv).split(QStringLiteral("\r\n"));
    EXPECT_EQ(rows.takeLast(), QString()) << "the last row is whole";
    return rows;
}

// The threshold columns of a live row as the recorder writes them.
QStringList threshold_columns(const Words& words)
{
    const std::uint16_t live[16] = {};
    const std::array<double, TRACES> traces = sample_traces(live, words.data());
    QStringList columns;
    for (int trace = TRACE_A_TRIGGER; trace <= TRACE_EVAL_LOWER; ++trace)
        columns << QString::number(traces[trace - 1], 'f', 0);
    return columns;
}

void expect_live_rows(const QStringList& rows, const Words& words)
{
    for (const QString& row : rows) {
        const QStringList fields = row.split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 20) << row.toStdString();
        EXPECT_EQ(fields.mid(9), threshold_columns(words)) << row.toStdString();
    }
}

class CliMeasure : public testing::Test {
protected:
    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(CliMeasure, LiveWritesTheRecordersColumnsUntilTheCount)
{
    const Words words = controller_words();
    Simulator sim(eeprom_options(path("c.eeprom"), words));
    ASSERT_TRUE(sim.ready());

    const CliResult out = run_cli(tcp_line(sim) + QStringList{"live", "--count", "5"}, &sim);
    EXPECT_EQ(out.code, 0) << out.err;
    QStringList rows = rows_of(out.out);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows.takeFirst().toStdString() + "\r\n", recorder_header());
    expect_live_rows(rows, words);

    const CliResult file = run_cli(com_line(sim) + QStringList{"live", "--count", "3", "--csv", path("live.csv")}, &sim);
    EXPECT_EQ(file.code, 0) << file.err;
    EXPECT_EQ(file.out, "");
    rows = rows_of(read_file(path("live.csv")));
    ASSERT_EQ(rows.size(), 4);
    expect_live_rows(rows.mid(1), words);
}

TEST_F(CliMeasure, LiveStreamsJsonLinesAndLineProtocolPoints)
{
    const Words words = controller_words();
    Simulator sim(eeprom_options(path("c.eeprom"), words));
    ASSERT_TRUE(sim.ready());
    const QString port = QString::number(sim.tcp_port());
    const QStringList thresholds = threshold_columns(words);

    const CliResult json = run_cli(tcp_line(sim) + QStringList{"live", "--count", "3", "--format", "jsonl", "--name", "press 4"}, &sim);
    EXPECT_EQ(json.code, 0) << json.err;
    const QStringList objects = QString::fromStdString(json.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(objects.size(), 3) << json.out;
    for (int k = 0; k < 3; ++k) {
        const QJsonObject o = QJsonDocument::fromJson(objects[k].toUtf8()).object();
        EXPECT_EQ(o["seq"].toInt(), k + 1);
        EXPECT_EQ(o["line"].toString(), "TCP 127.0.0.1:" + port);
        EXPECT_EQ(o["name"].toString(), "press 4");
        EXPECT_EQ(QString::number(o["a_trigger"].toInt()), thresholds.first());
        EXPECT_EQ(QString::number(o["evaluation_lower"].toInt()), thresholds.last());
        const QDateTime time = QDateTime::fromString(o["time"].toString(), Qt::ISODateWithMs);
        EXPECT_LT(std::abs(time.secsTo(QDateTime::currentDateTimeUtc())), 60) << objects[k].toStdString();
    }

    const CliResult influx = run_cli(tcp_line(sim) + QStringList{"live", "--count", "2", "--format", "influx"}, &sim);
    EXPECT_EQ(influx.code, 0) << influx.err;
    const QStringList points = QString::fromStdString(influx.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(points.size(), 2) << influx.out;
    EXPECT_TRUE(points[1].startsWith("telvar_k20,line=TCP\\ 127.0.0.1:" + port + " seq=2i,evaluation=")) << influx.out;
    EXPECT_TRUE(points[1].contains(",a_trigger=" + thresholds.first() + "i,")) << influx.out;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("i \\d{19}$")).match(points[1]).hasMatch()) << influx.out;
}

TEST_F(CliMeasure, ASignalEndsLiveWithWholeRowsOnStandardOutputOrInTheFile)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    CliProcess piped(tcp_line(sim) + QStringList{"live"}, &sim);
    ASSERT_TRUE(piped.wait_output(recorder_header().size() + 2000));
    const CliResult ended = piped.stop(SIGINT);
    EXPECT_EQ(ended.code, 130) << ended.err;
    EXPECT_GT(rows_of(ended.out).size(), 10);

    CliProcess filed(com_line(sim) + QStringList{"live", "--csv", path("live.csv")}, &sim);
    // The file is written once a second.
    for (int k = 0; k < 50 && read_file(path("live.csv")).size() <= recorder_header().size(); ++k)
        QThread::msleep(100);
    const CliResult stopped = filed.stop(SIGTERM);
    EXPECT_EQ(stopped.code, 143);
    EXPECT_EQ(stopped.err, "telvar-k20: Interrupted; " + path("live.csv").toStdString() + " ends after its last whole row.\n");
    const QStringList rows = rows_of(read_file(path("live.csv")));
    ASSERT_GT(rows.size(), 1);
    for (const QString& row : rows.mid(1))
        EXPECT_EQ(row.count(QLatin1Char(',')), 19) << row.toStdString();

    const CliResult after = run_cli(com_line(sim) + QStringList{"info"}, &sim);
    EXPECT_EQ(after.code, 0) << "the port was closed and opens again: " << after.err;
}

TEST_F(CliMeasure, AHangUpDuringLiveIsWaitedForAndTheSamplesGoOnWithoutAGap)
{
    // Line check, version and three parameter blocks, then five samples;
    // opened again: line check, version and eight samples.
    Simulator sim({"--close-after", "10"});
    ASSERT_TRUE(sim.ready());
    const std::string line = "TCP 127.0.0.1:" + std::to_string(sim.tcp_port());
    const std::string lost_and_back = "telvar-k20: TCP Client: Server has closed connection!\n"
                                      "telvar-k20: Error! Connection lost. (" + line + "); waiting for the line to come back\n"
                                      "telvar-k20: Line back, reconnected: " + line + "\n";
    const CliResult rows = run_cli(tcp_line(sim) + QStringList{"live", "--count", "8"}, &sim);
    EXPECT_EQ(rows.code, 0) << rows.err;
    EXPECT_EQ(rows.err, lost_and_back);
    QStringList csv = rows_of(rows.out);
    ASSERT_EQ(csv.size(), 1 + 8);
    EXPECT_EQ(csv.takeFirst().toStdString() + "\r\n", recorder_header()) << "one header, the rows go on after the return";

    const CliResult live = run_cli(tcp_line(sim) + QStringList{"live", "--count", "8", "--format", "jsonl"}, &sim);
    EXPECT_EQ(live.code, 0) << live.err;
    EXPECT_EQ(live.err, lost_and_back);
    const QStringList objects = QString::fromStdString(live.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(objects.size(), 8) << live.out;
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(QJsonDocument::fromJson(objects[k].toUtf8()).object()["seq"].toInt(), k + 1);

    const CliResult unwritable = run_cli(tcp_line(sim) + QStringList{"live", "--csv", path("none/live.csv")}, &sim);
    EXPECT_EQ(unwritable.code, 4);
    EXPECT_EQ(unwritable.err, "telvar-k20: Could not write the CSV file: " + path("none/live.csv").toStdString()
                                  + " (no such file or directory)\n");

    // Two samples, fewer answers than the hang-up comes after: the rows wait
    // for their second and go out at the end, onto a full disk.
    const QString full = full_device(dir.path());
    ASSERT_FALSE(full.isEmpty()) << "no /dev/full, and no right to make one";
    const CliResult no_room = run_cli(tcp_line(sim) + QStringList{"live", "--count", "2", "--csv", full}, &sim);
    EXPECT_EQ(no_room.code, 4);
    EXPECT_EQ(no_room.err,
              "telvar-k20: Could not write the CSV file: " + full.toStdString() + " (no space left on device)\n");

    // A line that does not come back is waited for, past failed attempts to
    // open it, until a signal ends the rows; those taken are in the file
    // before the wait.
    CliProcess waiting(tcp_line(sim) + QStringList{"live", "--csv", path("live.csv")}, &sim);
    for (int k = 0; k < 50 && rows_of(read_file(path("live.csv"))).size() < 3; ++k)
        QThread::msleep(100);
    sim.stop();
    QThread::msleep(2500);
    EXPECT_GT(rows_of(read_file(path("live.csv"))).size(), 1) << "the rows before the wait are in the file";
    const CliResult ended = waiting.stop(SIGINT);
    EXPECT_EQ(ended.code, 130);
    EXPECT_EQ(ended.err, "telvar-k20: TCP Client: Server has closed connection!\n"
                         "telvar-k20: Error! Connection lost. (" + line + "); waiting for the line to come back\n"
                         "telvar-k20: Interrupted; " + path("live.csv").toStdString() + " ends after its last whole row.\n");

    // A serial device named by its path goes when its controller is switched
    // off, and is found again at the same path when it is back.
    Simulator serial;
    ASSERT_TRUE(serial.ready());
    CliProcess device(device_line(serial) + QStringList{"live", "--format", "jsonl"}, &serial);
    ASSERT_TRUE(device.wait_output(2000));
    ASSERT_TRUE(serial.start_again());
    QThread::msleep(2500);
    const CliResult switched = device.stop(SIGINT);
    EXPECT_EQ(switched.code, 130);
    const std::string at = device_path(serial).toStdString();
    EXPECT_EQ(switched.err, "telvar-k20: Error! Connection lost. (" + at + "); waiting for the line to come back\n"
                            "telvar-k20: Line back, reconnected: " + at + "\n"
                            "telvar-k20: Interrupted; standard output ends after its last whole row.\n");
    const QStringList samples = QString::fromStdString(switched.out).split('\n', Qt::SkipEmptyParts);
    for (int k = 0; k < samples.size(); ++k)
        ASSERT_EQ(QJsonDocument::fromJson(samples[k].toUtf8()).object()["seq"].toInt(), k + 1);
}

TEST_F(CliMeasure, ALiveThatTakesNoRowLeavesAnExistingFileAsItWas)
{
    const std::string old_rows = "rows of an earlier run\r\n";
    write_file(path("live.csv"), old_rows);
    // Line check, version and the three parameter blocks, then silence on a
    // line that stays open: no line to wait for.
    Simulator sim({"--faults-after", "5", "--silent"});
    ASSERT_TRUE(sim.ready());
    const QStringList lines[] = {{"--com", "80"}, tcp_line(sim)};
    for (const QStringList& line : lines) {
        const CliResult live = run_cli(line + QStringList{"live", "--csv", path("live.csv")}, &sim);
        EXPECT_EQ(live.code, 3) << live.err;
        EXPECT_EQ(read_file(path("live.csv")), old_rows) << line.join(' ').toStdString();
    }
}

TEST_F(CliMeasure, DatamemReadsANewRecordingWithItsCurves)
{
    const Words words = controller_words();
    Simulator sim(eeprom_options(path("c.eeprom"), words));
    ASSERT_TRUE(sim.ready());

    const CliResult a = run_cli(tcp_line(sim) + QStringList{"datamem", "--channel", "A"}, &sim);
    EXPECT_EQ(a.code, 0) << a.err;
    QStringList rows = rows_of(a.out);
    ASSERT_EQ(rows.size(), 129);
    EXPECT_EQ(rows[0], "index,channel A,A trigger level,A pretrigger,A upper limit,A reference,A lower limit");
    for (int k = 0; k < MEMORY_SAMPLES; ++k) {
        const QStringList fields = rows[k + 1].split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 7);
        EXPECT_EQ(fields[0].toInt(), k);
        EXPECT_EQ(fields[2].toInt(), TRIGGER_A);
        EXPECT_EQ(fields[3].toInt(), k < PRETRIGGER_A ? 0 : LIMIT_MAX);
    }
    // The rising crossing of the trigger level lies at the pretrigger place.
    EXPECT_LT(rows[PRETRIGGER_A].split(QLatin1Char(','))[1].toInt(), TRIGGER_A);
    EXPECT_GE(rows[PRETRIGGER_A + 1].split(QLatin1Char(','))[1].toInt(), TRIGGER_A);

    const CliResult b = run_cli(com_line(sim) + QStringList{"datamem", "--channel", "B", "--csv", path("b.csv")}, &sim);
    EXPECT_EQ(b.code, 0) << b.err;
    EXPECT_EQ(b.out, "");
    rows = rows_of(read_file(path("b.csv")));
    ASSERT_EQ(rows.size(), 129);
    EXPECT_EQ(rows[1].split(QLatin1Char(','))[2].toInt(), words[27]);
}

// A controller that never records: a target looked at only after the wait
// would end it with 6.
TEST_F(CliMeasure, DatamemLooksAtItsTargetBeforeItTakesARecording)
{
    Words words = factory_words();
    words[27] = 65535;  // a trigger level channel B never reaches
    Simulator sim(eeprom_options(path("c.eeprom"), words));
    ASSERT_TRUE(sim.ready());
    write_file(path("plain"), "");
    for (const auto& [csv, why] : {std::pair{path("none/b.csv"), "no such file or directory"},
                                   std::pair{path("plain/b.csv"), "not a directory"},
                                   std::pair{dir.path(), "is a directory"},
                                   std::pair{QStringLiteral("/dev/null"), "not a plain file"}}) {
        const QStringList arguments{"datamem", "--channel", "B", "--timeout", "0.5", "--csv", csv};
        const CliResult b = run_cli(tcp_line(sim) + arguments, &sim);
        EXPECT_EQ(b.code, 4) << csv.toStdString();
        EXPECT_EQ(b.err, "telvar-k20: Could not write the CSV file: " + csv.toStdString() + " (" + why + ")\n");
    }
}

// A recording read cannot be read again: one its target refuses goes to
// standard output, one standard output refuses to a file of its own.
TEST_F(CliMeasure, DatamemKeepsTheRecordingItCouldNotWrite)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    const QString csv = path("a.csv");
    const QStringList arguments{"datamem", "--channel", "A", "--csv", csv};
    const CliResult limited = run_cli(tcp_line(sim) + arguments, &sim, {.file_size_limit = 1000});
    EXPECT_EQ(limited.code, 4);
    EXPECT_EQ(limited.err, "telvar-k20: Could not write the CSV file: " + csv.toStdString()
                               + " (file too large); its rows go to standard output instead\n");
    EXPECT_EQ(rows_of(limited.out).size(), 129);
    EXPECT_FALSE(QFile::exists(csv));

    const CliResult closed = run_cli(tcp_line(sim) + QStringList{"datamem", "--channel", "A"}, &sim,
                                     {.environment = {"TMPDIR=" + dir.path()}, .output_closed = true});
    EXPECT_EQ(closed.code, 4);
    const QStringList kept = QDir(dir.path()).entryList({"telvar-k20-datamem-A-*.csv"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1) << closed.err;
    const QString rescue = QDir(dir.path()).filePath(kept.front());
    EXPECT_EQ(closed.err, "telvar-k20: Could not write the CSV file: standard output (broken pipe); its rows go to "
                              + rescue.toStdString() + " instead\n");
    EXPECT_EQ(rows_of(read_file(rescue)).size(), 129);
}

TEST_F(CliMeasure, DatamemGivesUpAfterItsTimeoutAndWritesNothing)
{
    Words words = factory_words();
    words[11] = 65535;  // a trigger level channel A never reaches
    Simulator sim(eeprom_options(path("c.eeprom"), words));
    ASSERT_TRUE(sim.ready());
    const QStringList arguments{"datamem", "--channel", "A", "--timeout", "0.5", "--csv", path("a.csv")};
    const CliResult a = run_cli(com_line(sim) + arguments, &sim);
    EXPECT_EQ(a.code, 6);
    EXPECT_EQ(a.err, "telvar-k20: No new recording of channel A within 0.5 seconds (COM65 " + device_path(sim).toStdString()
                         + "); let the controller record an event, or give a longer --timeout\n");
    EXPECT_FALSE(QFile::exists(path("a.csv")));
}

// Of each channel its count and the limits the controller's set gives it.
void expect_stats(const std::string& json, int n, const Words& words)
{
    const QJsonObject stats = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    const std::uint16_t live[16] = {};
    const std::array<double, TRACES> traces = sample_traces(live, words.data());
    const struct {
        const char* key;
        int lower;
        int upper;
    } channels[] = {{"a", TRACE_A_LOWER, TRACE_A_UPPER}, {"b", TRACE_B_LOWER, TRACE_B_UPPER},
                    {"evaluation", TRACE_EVAL_LOWER, TRACE_EVAL_UPPER}};
    for (const auto& channel : channels) {
        const QJsonObject figures = stats[channel.key].toObject();
        EXPECT_EQ(figures["n"].toInt(), n) << json;
        EXPECT_EQ(figures["lower"].toDouble(), traces[channel.lower - 1]) << channel.key;
        EXPECT_EQ(figures["upper"].toDouble(), traces[channel.upper - 1]) << channel.key;
        EXPECT_TRUE(figures["mean"].isDouble()) << channel.key;
    }
}

TEST_F(CliMeasure, StatsTakesLiveSamplesOrReadsLivesRecording)
{
    const Words words = controller_words();
    Simulator sim(eeprom_options(path("c.eeprom"), words));
    ASSERT_TRUE(sim.ready());

    const CliResult counted = run_cli(tcp_line(sim) + QStringList{"stats", "--count", "7", "--json"}, &sim);
    EXPECT_EQ(counted.code, 0) << counted.err;
    expect_stats(counted.out, 7, words);

    const CliResult live = run_cli(com_line(sim) + QStringList{"live", "--count", "12", "--csv", path("live.csv")}, &sim);
    ASSERT_EQ(live.code, 0) << live.err;
    const CliResult read = run_cli({"stats", "--csv", path("live.csv"), "--json"});
    EXPECT_EQ(read.code, 0) << read.err;
    expect_stats(read.out, 12, words);
    const CliResult table = run_cli({"stats", "--csv", path("live.csv")});
    EXPECT_EQ(table.code, 0) << table.err;
    EXPECT_NE(table.out.find("\nn          12            12            12\n"), std::string::npos) << table.out;
}

TEST_F(CliMeasure, StatsRefusesARecordingItCannotReadWithTheLine)
{
    const std::string header = recorder_header();
    const std::string row = "2026-12-09 10:00:00.000,0.000,500,2000,1500,0,0,0,0,2500,2100,2050,1990,1900,1600,1500,1400,650,550,450\r\n";
    std::string no_limit = header;
    no_limit.replace(no_limit.find(TRACE_LOOKS[TRACE_A_UPPER - 1].name), 1, "a");
    std::string not_a_number = row;
    not_a_number.replace(not_a_number.find(",2000,"), 6, ",nan,");
    std::string binary_row = row;
    binary_row.replace(binary_row.find(",2000,"), 6, ",\x8B\x1B\x11\t" + std::string(40, '7') + ",");
    const struct {
        std::string content;
        std::string error;  // after "telvar-k20: FILE"
    } cases[] = {
        {header + row + "\r\n" + "2026-12-09 10:00:01.000,1.000,500\r\n" + row, ":4: the row has 3 fields, the header 20"},
        {header + row + not_a_number, ":3: \"nan\" in the column \"channel A\" is no number"},
        {header + row + binary_row, ":3: \"\x8B" + std::string(3, '?') + std::string(28, '7') + "...\" in the column \"channel A\" is no number"},
        {no_limit + row, ":1: the header has no column \"A upper limit\"; stats reads the CSV of the recorder or of live"},
        {header + "\r\n\r\n", ": the recording holds no samples"},
        {"", ": the recording holds no samples"},
    };
    for (const auto& c : cases) {
        write_file(path("r.csv"), c.content);
        const CliResult stats = run_cli({"stats", "--csv", path("r.csv")});
        EXPECT_EQ(stats.code, 4) << c.error;
        EXPECT_EQ(stats.err, "telvar-k20: " + path("r.csv").toStdString() + c.error + "\n");
        EXPECT_EQ(stats.out, "");
    }
    make_fifo(path("fifo"));
    const CliResult fifo = run_cli({"stats", "--csv", path("fifo")}, nullptr, 5000);
    EXPECT_EQ(fifo.code, 4);
    EXPECT_EQ(fifo.err, "telvar-k20: Could not read the recording: " + path("fifo").toStdString() + " (not a regular file)\n");
}

}  // namespace
}  // namespace telvar::test
