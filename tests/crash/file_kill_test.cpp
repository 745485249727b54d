// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the tool writes, its writer killed (SIGKILL) at random moments
// while it writes the file over and over: a saved file is afterwards the old
// version whole or the new one whole, byte for byte as the tool writes them;
// the recorder's CSV holds its header and whole rows only, ending at a row's
// end, or at a page end inside the one row that crosses it (the kernel stops
// a killed write only at a page end, and a row that crosses one cannot be
// written without crossing it). What a save leaves beside the file is never
// a file the tool reads.
#include "crash/rounds.h"
#include "crash/written_files.h"

#include "link/connect_dialog.h"
#include "scope/recorder_csv.h"
#include "platform/row_pieces.h"
#include "scope/traces.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace telvar::test::crash {
namespace {

// A round's writer: started, awaited until it writes, then killed.
class Writer {
public:
    explicit Writer(const QStringList& arguments)
    {
        process_.start(QStringLiteral(TELVAR_CRASH_WRITER), arguments);
        writing_ = process_.waitForReadyRead(10000) && process_.readAllStandardOutput().startsWith("writing");
    }
    ~Writer() { process_.kill(); process_.waitForFinished(); }

    bool writing() const { return writing_; }
    // Kills it after `seconds`; false when it had ended by itself.
    bool kill_after(double seconds)
    {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const bool running = process_.state() == QProcess::Running;
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished(10000);
        return running && process_.exitStatus() == QProcess::CrashExit;
    }
    QString errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QProcess process_;
    bool writing_ = false;
};

std::string read_file(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
}

// The tool reads a file only by its name: the address history by its own,
// the others as the operator picks them through the dialogs' filters.
bool tool_reads(const QString& name)
{
    return name == QLatin1String(IP_HISTORY_FILE) || name.endsWith(QLatin1String(".ini"))
           || name.endsWith(QLatin1String(".S")) || name.endsWith(QLatin1String(".dat"))
           || name.endsWith(QLatin1String(".csv"));
}

// What a killed save left beside the file, removed for the next round.
QStringList left_beside(QDir dir, const QString& target)
{
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(target);
    for (const QString& name : names)
        dir.remove(name);
    return names;
}

struct Saved {
    WrittenFile file;
    const char* target;     // the file's name as an operator would give it
    double longest_wait;    // seconds: several writes of the file
};

void PrintTo(const Saved& saved, std::ostream* out)
{
    *out << file_name(saved.file);
}

class KilledWhileSaving : public ::testing::TestWithParam<Saved> {};

TEST_P(KilledWhileSaving, LeavesTheOldVersionOrTheNewOneWhole)
{
    const Saved saved = GetParam();
    const std::string name = file_name(saved.file);
    QTemporaryDir inputs, references, work;
    ASSERT_TRUE(inputs.isValid() && references.isValid() && work.isValid());
    ASSERT_TRUE(write_inputs(saved.file, inputs.path().toStdString()));
    std::array<std::string, 2> versions;
    for (int version : {0, 1}) {
        const QString reference = references.filePath(QString::number(version));
        ASSERT_TRUE(write_version(saved.file, reference.toStdString(), inputs.path().toStdString(), version));
        versions[version] = read_file(reference);
    }
    ASSERT_NE(versions[0], versions[1]);

    const QString target = QString::fromLatin1(saved.target);
    const std::string path = work.filePath(target).toStdString();
    Moments moments(name);
    std::array<int, 2> whole{};
    QStringList strays;
    // A few rounds more while no kill has yet found a save done: with ten
    // kills, all ten landing before the first save ends is rare, not wrong.
    int kills = 0;
    for (int round = 1; round <= kills_per_file() || (whole[1] == 0 && round <= 3 * kills_per_file()); ++round) {
        kills = round;
        ASSERT_TRUE(write_version(saved.file, path, inputs.path().toStdString(), 0));
        const double delay = moments.between(0.0, saved.longest_wait);
        const std::string round_text = name + " round " + std::to_string(round) + ", killed after "
                                       + std::to_string(delay) + " s";
        Writer writer({QString::fromStdString(name), QString::fromStdString(path), inputs.path()});
        ASSERT_TRUE(writer.writing()) << round_text << ": " << writer.errors().toStdString();
        ASSERT_TRUE(writer.kill_after(delay)) << round_text << ": " << writer.errors().toStdString();

        const std::string left = read_file(QString::fromStdString(path));
        if (left == versions[0])
            ++whole[0];
        else if (left == versions[1])
            ++whole[1];
        else
            ADD_FAILURE() << round_text << ": the file is torn, " << left.size() << " bytes (old "
                          << versions[0].size() << ", new " << versions[1].size() << ")";
        for (const QString& stray : left_beside(QDir(work.path()), target)) {
            EXPECT_FALSE(tool_reads(stray)) << round_text << ": " << stray.toStdString() << " left beside the file";
            strays << stray;
        }
    }
    std::printf("%s: %d kills, %d old whole, %d new whole, %lld files left beside it%s%s\n", name.c_str(),
                kills, whole[0], whole[1], static_cast<long long>(strays.size()),
                strays.isEmpty() ? "" : ": ", qPrintable(strays.join(QLatin1String(", "))));
    EXPECT_GT(whole[1], 0) << "no kill found a save done: the writer wrote nothing";
}

INSTANTIATE_TEST_SUITE_P(Files, KilledWhileSaving,
                         ::testing::Values(Saved{WrittenFile::parameter, "set.ini", 0.15},
                                           Saved{WrittenFile::history, IP_HISTORY_FILE, 0.15},
                                           Saved{WrittenFile::merged, "merged.S", 0.6}),
                         [](const auto& info) { return file_name(info.param.file); });

// A row from its third field on: the sample's words and thresholds, which
// the writer made from the row's number.
std::string after_the_times(const std::string& row)
{
    const std::size_t first = row.find(',');
    const std::size_t second = first == std::string::npos ? first : row.find(',', first + 1);
    return second == std::string::npos ? std::string() : row.substr(second);
}

// The rows of a recording cut short, checked field by field; the rows found.
// A file that ends inside a row must end at a page end: `page_cut` tells.
long check_recording(const std::string& csv, const std::string& round_text, bool* page_cut)
{
    *page_cut = false;
    const std::string header = recorder_header();
    if (csv.compare(0, header.size(), header) != 0) {
        ADD_FAILURE() << round_text << ": no header";
        return 0;
    }
    constexpr int kFields = 20;
    std::array<unsigned short, 16> live{};
    std::array<double, TRACES> traces{};
    long rows = 0;
    for (std::size_t at = header.size(); at < csv.size(); ++rows) {
        const std::size_t end = csv.find("\r\n", at);
        if (end == std::string::npos) {
            *page_cut = csv.size() % FILE_PAGE_SIZE == 0;
            if (!*page_cut)
                ADD_FAILURE() << round_text << ": the file ends inside row " << rows + 1 << ", not at a page end: "
                              << csv.substr(at);
            return rows;
        }
        const std::string row = csv.substr(at, end - at);
        at = end + 2;
        recorder_sample(rows, live.data(), traces.data());
        std::string expected = recorder_row("", 0.0, live.data(), traces.data());
        expected.resize(expected.size() - 2);
        if (std::count(row.begin(), row.end(), ',') != kFields - 1 || after_the_times(row) != after_the_times(expected)) {
            ADD_FAILURE() << round_text << ": row " << rows + 1 << " is not the sample's whole row: " << row;
            return rows;
        }
    }
    return rows;
}

TEST(KilledWhileRecording, LeavesTheHeaderAndWholeRows)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const std::string path = work.filePath(QStringLiteral("live.csv")).toStdString();
    // The recorder writes its rows once a second: a kill meets some writes.
    constexpr double kLongestWait = 2.5;
    Moments moments("recorder");
    long most_rows = 0;
    int header_only = 0;
    int page_cuts = 0;
    for (int round = 1; round <= kills_per_file(); ++round) {
        const double delay = moments.between(0.0, kLongestWait);
        const std::string round_text =
            "recorder round " + std::to_string(round) + ", killed after " + std::to_string(delay) + " s";
        Writer writer({QStringLiteral("recorder"), QString::fromStdString(path)});
        ASSERT_TRUE(writer.writing()) << round_text << ": " << writer.errors().toStdString();
        ASSERT_TRUE(writer.kill_after(delay)) << round_text << ": " << writer.errors().toStdString();
        bool page_cut = false;
        const long rows = check_recording(read_file(QString::fromStdString(path)), round_text, &page_cut);
        page_cuts += page_cut ? 1 : 0;
        most_rows = std::max(most_rows, rows);
        header_only += rows == 0 ? 1 : 0;
        const QStringList strays = left_beside(QDir(work.path()), QStringLiteral("live.csv"));
        EXPECT_TRUE(strays.isEmpty()) << round_text << ": " << qPrintable(strays.join(QLatin1String(", ")));
    }
    std::printf("recorder: %d kills, %d with the header alone, at most %ld whole rows, %d cut at a page end "
                "inside the row that crosses it\n",
                kills_per_file(), header_only, most_rows, page_cuts);
    EXPECT_GT(most_rows, 0) << "no kill found a row written: the writer recorded nothing";
}

}  // namespace
}  // namespace telvar::test::crash
