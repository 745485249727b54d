// SPDX-License-Identifier: GPL-3.0-or-later
// The address history file: its 21-byte records, reading back what was
// written, and where the file lives.
#include "link/ip_history.h"
#include "platform/files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

namespace telvar {
namespace {

using Entries = std::vector<std::string>;

class IpHistoryFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string path(const char* name = "if_history.ipa") const
    {
        return QDir(dir.path()).filePath(name).toStdString();
    }
    static QByteArray contents(const std::string& file)
    {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void put(const std::string& file, const QByteArray& bytes)
    {
        QFile f(QString::fromStdString(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    static QByteArray record(const QByteArray& text)
    {
        QByteArray r = text.left(IP_RECORD_TEXT);
        r.resize(IP_RECORD_TEXT, '\0');
        return r + '\n';
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QTemporaryDir dir;
};

TEST_F(IpHistoryFile, RecordsAreZeroFilledTwentyBytesAndALineFeed)
{
    ASSERT_TRUE(write_ip_history(path(), {"192.168.0.10", "10.0.0.1"}));
    EXPECT_EQ(contents(path()), record("192.168.0.10") + record("10.0.0.1"));
    EXPECT_EQ(read_ip_history(path()), (Entries{"192.168.0.10", "10.0.0.1"}));
}

TEST_F(IpHistoryFile, LongAddressIsCutToTwentyWithoutAZeroByte)
{
    const std::string longest = "sensor-hall-3.plant.example";  // 27 characters
    const std::string twenty = "controller-7.example";
    ASSERT_EQ(twenty.size(), 20u);
    ASSERT_TRUE(write_ip_history(path(), {longest, twenty, "10.0.0.1"}));

    const QByteArray bytes = contents(path());
    ASSERT_EQ(bytes.size(), 3 * IP_RECORD_SIZE);
    EXPECT_EQ(bytes.left(IP_RECORD_SIZE), QByteArray("sensor-hall-3.plant.\n"));
    EXPECT_EQ(bytes.mid(IP_RECORD_SIZE, IP_RECORD_SIZE), QByteArray("controller-7.example\n"));
    EXPECT_EQ(read_ip_history(path()), (Entries{longest.substr(0, 20), twenty, "10.0.0.1"}));
}

TEST_F(IpHistoryFile, EntryCountIsTheSizeOverTwentyOneAndEmptyRecordsAreSkipped)
{
    // 50 bytes: two whole records, then the start of a third that does not count.
    put(path(), record("10.0.0.1") + record("10.0.0.2") + QByteArray("10.0.0.3"));
    EXPECT_EQ(read_ip_history(path()), (Entries{"10.0.0.1", "10.0.0.2"}));

    put(path(), record("") + record("10.0.0.5") + record("") + record("10.0.0.6"));
    EXPECT_EQ(read_ip_history(path()), (Entries{"10.0.0.5", "10.0.0.6"}));

    put(path(), QByteArray("10.0.0.1\n"));
    EXPECT_TRUE(read_ip_history(path()).empty()) << "shorter than one record";
}

TEST_F(IpHistoryFile, ZeroByteEndsTheTextWhateverFollowsIt)
{
    QByteArray dirty("10.1.1.1");
    dirty += '\0';
    dirty += "junk";
    dirty.resize(IP_RECORD_TEXT, 'x');
    put(path(), dirty + '\n' + record("10.1.1.2"));
    EXPECT_EQ(read_ip_history(path()), (Entries{"10.1.1.1", "10.1.1.2"}));
}

TEST(IpHistoryRecords, ALineIsReadToItsLineFeedAndCutToTwenty)
{
    // 47 bytes: two entries, the first a line of 25 characters.
    const std::string bytes = std::string("abcdefghijklmnopqrstuvwxy\n") + "10.0.0.1" + std::string(12, '\0') + "\n";
    EXPECT_EQ(ip_history_entries(bytes), (Entries{"abcdefghijklmnopqrst", "10.0.0.1"}));
    EXPECT_EQ(ip_history_entries(ip_history_records({"abcdefghijklmnopqrst", "10.0.0.1"})),
              (Entries{"abcdefghijklmnopqrst", "10.0.0.1"}));
    EXPECT_TRUE(ip_history_entries(std::string(20, 'x')).empty()) << "shorter than one record";
}

TEST_F(IpHistoryFile, MissingFileIsAnEmptyHistory)
{
    EXPECT_TRUE(read_ip_history(path("none.ipa")).empty());
}

TEST_F(IpHistoryFile, EmptyListLeavesAnEmptyFile)
{
    put(path(), record("10.0.0.1"));
    ASSERT_TRUE(write_ip_history(path(), {}));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(path())));
    EXPECT_EQ(contents(path()).size(), 0);
}

TEST_F(IpHistoryFile, FileThatCannotBeCreatedReportsFalse)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("if_history.ipa"));
    EXPECT_FALSE(write_ip_history(path(), {"10.0.0.1"})) << "the name is taken by a folder";

    put(path("plain"), "x");
    EXPECT_FALSE(write_ip_history(path("plain") + "/if_history.ipa", {"10.0.0.1"}))
        << "the folder is a regular file";
    EXPECT_EQ(files(), (QStringList{"if_history.ipa", "plain"})) << "no half-written file is left";
}

// Lets no file grow beyond `bytes` until destroyed; root is bound by it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previous_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previous_signal_);
    }

private:
    rlimit previous_{};
    void (*previous_signal_)(int) = nullptr;
};

TEST_F(IpHistoryFile, FailedWriteKeepsTheOldHistoryWhole)
{
    ASSERT_TRUE(write_ip_history(path(), {"10.0.0.1", "10.0.0.2"}));
    const QByteArray old = contents(path());
    bool written = true;
    {
        // Room for one record only, as on a full disk.
        const FileSizeLimit limit(IP_RECORD_SIZE);
        written = write_ip_history(path(), {"10.0.0.9", "10.0.0.1", "10.0.0.2"});
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(path()), old);
    EXPECT_EQ(files(), QStringList{"if_history.ipa"}) << "the new file is not left beside it";
}

class HistoryLocation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.isValid());
        ASSERT_TRUE(user_data.isValid());
        saved_ = qgetenv("XDG_DATA_HOME");
        had_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", user_data.path().toLocal8Bit());
    }
    void TearDown() override
    {
        if (had_)
            qputenv("XDG_DATA_HOME", saved_);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    QTemporaryDir program;
    QTemporaryDir user_data;

private:
    QByteArray saved_;
    bool had_ = false;
};

TEST_F(HistoryLocation, ProgramDirectoryWhenItCanBeWritten)
{
    EXPECT_EQ(ip_history_location(program.path().toStdString(), "if_history.ipa"),
              QDir(program.path()).filePath("if_history.ipa").toStdString());
}

TEST_F(HistoryLocation, PerUserDataDirectoryWhenTheProgramDirectoryCannotBeWritten)
{
    // Root may write any folder, so the program "directory" is a regular file here.
    const QString not_a_dir = QDir(program.path()).filePath("telvar-k20-dizer");
    QFile file(not_a_dir);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const QString found = QString::fromStdString(ip_history_location(not_a_dir.toStdString(), "if_history.ipa"));
    EXPECT_TRUE(found.startsWith(user_data.path() + '/')) << found.toStdString();
    EXPECT_EQ(QFileInfo(found).fileName(), "if_history.ipa");
    EXPECT_TRUE(QFileInfo(found).dir().exists()) << "the folder is made, so the file can be written";
    EXPECT_TRUE(write_ip_history(found.toStdString(), {"10.0.0.1"}));
}

// Settings that earlier versions kept beside the history move once to the
// operator's configuration folder; a newer file there is never replaced.
TEST_F(HistoryLocation, OldSettingsMoveOnceAndNeverOverANewerFile)
{
    const std::string old_place = QDir(program.path()).filePath("connection.ini").toStdString();
    const std::string new_place = QDir(user_data.path()).filePath("connection.ini").toStdString();
    ASSERT_EQ(SaveFileAtomically(old_place, "reconnect=false\n"), FILE_OK);
    MoveFileIfAbsent(old_place, new_place);
    std::string moved;
    EXPECT_EQ(ReadWholeFile(new_place, FileKind::settings, &moved), FILE_OK);
    EXPECT_EQ(moved, "reconnect=false\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(old_place)));

    ASSERT_EQ(SaveFileAtomically(old_place, "reconnect=true\n"), FILE_OK);
    MoveFileIfAbsent(old_place, new_place);
    EXPECT_EQ(ReadWholeFile(new_place, FileKind::settings, &moved), FILE_OK);
    EXPECT_EQ(moved, "reconnect=false\n");
}

}  // namespace
}  // namespace telvar
