// SPDX-License-Identifier: GPL-3.0-or-later
// merge and download: the update page's merge and checks from the command
// line, and an image downloaded to the simulator's boot loader, or left
// there halfway.
#include "tests/cli/cli_process.h"
#include "tests/sim/srecords.h"

#include "firmware/merge_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>

#include <gtest/gtest.h>

namespace telvar::test {
namespace {

using sim::test::firmware_image;

class CliFirmware : public testing::Test {
protected:
    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
    std::string local(const char* name) const { return path(name).toStdString(); }
    static std::string table(int values, int first)
    {
        std::string text;
        for (int k = 0; k < values; ++k)
            text += "value\r\n" + std::to_string(first + k) + "\r\n";
        return text;
    }
    QTemporaryDir dir;
};

TEST_F(CliFirmware, MergeWritesWhatTheUpdatePageMerges)
{
    write_file(path("fw.S"), firmware_image(160));  // 1280 words: channel A's 1024, then B's 256
    write_file(path("a.dat"), table(1024, 1000));
    write_file(path("b.dat"), table(256, -50));
    const CliResult merged = run_cli({"merge", path("fw.S"), "--lin-a", path("a.dat"), "--lin-b", path("b.dat"),
                                      "--start", "0x0", "--end", "4096", "-o", path("merged.S")});
    EXPECT_EQ(merged.code, 0) << merged.err;
    EXPECT_EQ(merged.out, "Merged 1024 values of channel A and 256 values of channel B.\n");
    EXPECT_EQ(merged.err, "");

    const MergeFiles page{local("fw.S"), true, local("a.dat"), true, local("b.dat"), 0, 4096, local("page.S")};
    ASSERT_EQ(merge_files(page).error, "");
    const std::string image = read_file(path("merged.S"));
    EXPECT_EQ(image, read_file(path("page.S")));
    // The first data record starts with channel A's first value, low byte first.
    EXPECT_EQ(image.substr(image.find("\r\nS3") + 2 + 12, 4), "E803");

    const CliResult only_b = run_cli({"merge", path("fw.S"), "--lin-b", path("b.dat"), "--start", "0",
                                      "--end", "0x200", "-o", path("b-only.S")});
    EXPECT_EQ(only_b.code, 0) << only_b.err;
    const std::string b_image = read_file(path("b-only.S"));
    EXPECT_EQ(b_image.substr(b_image.find("\r\nS3") + 2 + 12, 4), "CEFF") << "-50 at the window's first word";
}

TEST_F(CliFirmware, AMergeThatStopsWritesNothingAndEndsWithFour)
{
    std::string image = firmware_image(5);
    image[image.find("S3") + 20] ^= 1;  // a damaged digit: a wrong checksum
    write_file(path("bad.S"), image);
    write_file(path("a.dat"), table(1024, 0));
    const CliResult damaged = run_cli({"merge", path("bad.S"), "--lin-a", path("a.dat"), "--start", "0",
                                       "--end", "0x1000", "-o", path("merged.S")});
    EXPECT_EQ(damaged.code, 4);
    EXPECT_EQ(damaged.err, "telvar-k20: Line 2 of the firmware file has a wrong checksum.\n");
    EXPECT_FALSE(QFile::exists(path("merged.S")));

    const CliResult no_table = run_cli({"merge", path("bad.S"), "--lin-a", path("missing.dat"), "--start", "0",
                                        "--end", "0x1000", "-o", path("merged.S")});
    EXPECT_EQ(no_table.code, 4);
    EXPECT_EQ(no_table.err, "telvar-k20: Could not open the linearisation data of channel A: " + local("missing.dat")
                                + " (no such file or directory)\n");
    EXPECT_FALSE(QFile::exists(path("merged.S")));

    // 1024 words hold channel A's table, none of B's.
    write_file(path("fw.S"), firmware_image(128));
    write_file(path("b.dat"), table(1024, 0));
    const CliResult too_small = run_cli({"merge", path("fw.S"), "--lin-a", path("a.dat"), "--lin-b", path("b.dat"),
                                         "--start", "0", "--end", "0x800", "-o", path("merged.S")});
    EXPECT_EQ(too_small.code, 4);
    EXPECT_EQ(too_small.out, "");
    EXPECT_EQ(too_small.err, "telvar-k20: The linearisation data of channel B do not fit into the window whole: the window holds "
                             "1024 values, the checked tables have 2048.\n");
    EXPECT_FALSE(QFile::exists(path("merged.S")));

    // A record after the tables, programmed later, would overwrite channel A's third and fourth values.
    std::string late = firmware_image(160);
    late.insert(late.rfind("S7"), sim::test::srecord(3, 0x02000004, {0xAB, 0xCD, 0xEF, 0x01}) + "\r\n");
    write_file(path("late.S"), late);
    const CliResult overwritten = run_cli({"merge", path("late.S"), "--lin-a", path("a.dat"), "--start", "0",
                                           "--end", "0x1000", "-o", path("merged.S")});
    EXPECT_EQ(overwritten.code, 4);
    EXPECT_EQ(overwritten.out, "");
    EXPECT_EQ(overwritten.err, "telvar-k20: Line 162 of the firmware file writes at 0x2000004 over the linearisation data.\n");
    // Inputs that are no files to read are refused at once; an output that
    // cannot be written says why.
    make_fifo(path("fifo.S"));
    make_sparse_file(path("huge.dat"), (4 << 20) + 1);
    const QStringList window{"--start", "0", "--end", "0x800"};
    for (const auto& [arguments, error] :
         {std::pair{QStringList{"merge", path("fifo.S"), "--lin-a", path("a.dat"), "-o", path("merged.S")},
                    "Could not open the firmware file: " + local("fifo.S") + " (not a regular file)"},
          std::pair{QStringList{"merge", path("fw.S"), "--lin-a", path("huge.dat"), "-o", path("merged.S")},
                    "Could not open the linearisation data of channel A: " + local("huge.dat")
                        + " (larger than 4 MB, not a linearisation table)"},
          std::pair{QStringList{"merge", path("fw.S"), "--lin-a", path("a.dat"), "-o", dir.path()},
                    "Could not write the merged file: " + dir.path().toStdString() + " (is a directory)"}}) {
        const CliResult refused = run_cli(arguments + window, nullptr, 5000);
        EXPECT_EQ(refused.code, 4) << error;
        EXPECT_EQ(refused.err, "telvar-k20: " + error + "\n");
    }
    EXPECT_FALSE(QFile::exists(path("merged.S")));
}

TEST_F(CliFirmware, DownloadSendsTheImageToTheBootLoaderAndTheLineComesBack)
{
    const QString received = path("received.S");
    Simulator sim({"--image-out", received});
    ASSERT_TRUE(sim.ready());
    write_file(path("fw.S"), firmware_image(64));
    const CliResult download = run_cli({"download", path("fw.S"), "--com", "65"}, &sim);
    EXPECT_EQ(download.code, 0) << download.err;
    EXPECT_NE(download.out.find("Waiting for application S-Record.\n"), std::string::npos) << download.out;
    EXPECT_TRUE(download.out.ends_with("\n\nFirmwareupdate was successful!\n")) << download.out;
    EXPECT_EQ(download.out.find('\r'), std::string::npos) << "lines end as a terminal ends them";
    EXPECT_EQ(download.err, "") << "no progress bar where standard error is no terminal";
    EXPECT_EQ(read_file(received), read_file(path("fw.S")));
}

TEST_F(CliFirmware, DownloadWithoutTheStartMessageIsNoSuccess)
{
    Simulator sim({"--no-start-message"});
    ASSERT_TRUE(sim.ready());
    write_file(path("fw.S"), firmware_image(8));
    const CliResult download = run_cli({"download", path("fw.S"), "--com", "65"}, &sim);
    EXPECT_EQ(download.code, 3);
    EXPECT_EQ(download.err, "telvar-k20: Error! The image was sent, but the controller did not report the start of the "
                            "application. (COM65 " + sim.directory().toStdString() + "/ttyTELVAR0)\n");

    std::string damaged = firmware_image(8);
    damaged[damaged.find("S3") + 20] ^= 1;
    write_file(path("bad.S"), damaged);
    const CliResult refused = run_cli({"download", path("bad.S"), "--com", "65"}, &sim);
    EXPECT_EQ(refused.code, 4);
    EXPECT_EQ(refused.err, "telvar-k20: The image is not sent: line 2 of " + local("bad.S") + " has a wrong checksum.\n");

    // Cut short at a line's end: every record sound, the end record lost.
    const std::string whole = firmware_image(8);
    write_file(path("short.S"), whole.substr(0, whole.rfind("S7")));
    const CliResult unended = run_cli({"download", path("short.S"), "--com", "65"}, &sim);
    EXPECT_EQ(unended.code, 4);
    EXPECT_EQ(unended.out, "") << "the boot loader is not entered";
    EXPECT_EQ(unended.err, "telvar-k20: The image is not sent: " + local("short.S")
                               + " does not end with an end record (S7, S8 or S9).\n");
    make_fifo(path("fifo.S"));
    const CliResult unread = run_cli({"download", path("fifo.S"), "--com", "65"}, &sim, 5000);
    EXPECT_EQ(unread.code, 4);
    EXPECT_EQ(unread.err, "telvar-k20: Could not open file! " + local("fifo.S") + " (not a regular file)\n");
}

TEST_F(CliFirmware, AControllerLeftInItsBootLoaderHasAnExitCodeOfItsOwn)
{
    const std::string then = "waits in its boot loader: run telvar-k20 download again to finish";
    write_file(path("fw.S"), firmware_image(8));
    Simulator silent({"--no-prompt"});
    ASSERT_TRUE(silent.ready());
    const CliResult unprompted = run_cli(device_line(silent) + QStringList{"download", path("fw.S")}, &silent);
    EXPECT_EQ(unprompted.code, 5);
    EXPECT_EQ(unprompted.err, "telvar-k20: No answer from controller! (" + device_path(silent).toStdString()
                                  + "); the controller " + then + "\n");

    // Long enough to be stopped while its lines go out.
    write_file(path("long.S"), firmware_image(4000));
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    CliProcess download(com_line(sim) + QStringList{"download", path("long.S")}, &sim);
    ASSERT_TRUE(download.wait_output(std::string("\nTELVAR-K20 Boot Loader V1.0\nWaiting for application S-Record.\n").size()));
    const CliResult stopped = download.stop(SIGTERM);
    EXPECT_EQ(stopped.code, 143);
    EXPECT_EQ(stopped.err, "telvar-k20: Interrupted; the controller on COM65 " + device_path(sim).toStdString() + " " + then
                               + ".\n");

    // The line lost while the lines go out: the boot loader waits for the rest.
    Simulator cut;
    ASSERT_TRUE(cut.ready());
    CliProcess cut_download(com_line(cut) + QStringList{"download", path("long.S")}, &cut);
    ASSERT_TRUE(cut_download.wait_output(std::string("\nTELVAR-K20 Boot Loader V1.0\nWaiting for application S-Record.\n").size()));
    cut.stop(SIGKILL);
    const CliResult lost = cut_download.stop(0);  // no signal: it ends by itself
    EXPECT_EQ(lost.code, 5);
    EXPECT_EQ(lost.err, "telvar-k20: Error! The line failed before the whole image was sent. (COM65 "
                            + device_path(cut).toStdString() + "); the controller " + then + "\n");
}

}  // namespace
}  // namespace telvar::test
