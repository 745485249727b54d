// SPDX-License-Identifier: GPL-3.0-or-later
// The update page as the operator uses it: choosing files, merging the
// tables into an image (checked by srecord's own tools), and downloading it
// to the simulator's boot loader over its pseudo-terminal.
#include "support/link_fixture.h"
#include "support/simulator.h"
#include "tests/sim/srecords.h"

#include "firmware/download.h"
#include "firmware/update_panel.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/frame.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "platform/qt_access.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <termios.h>

#include <algorithm>
#include <string>

namespace telvar::test {
namespace {

using sim::test::firmware_image;

class Update : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        setup_update_panel();
        SetCtrlVal(panelUPDATE, UPDATE_CHK_A, 1);
        SetCtrlVal(panelUPDATE, UPDATE_CHK_B, 1);
        CallCtrlCallback(panelUPDATE, UPDATE_CHK_A, EVENT_COMMIT, 0, 0);
        SetCtrlVal(panelUPDATE, UPDATE_NUM_START, 0x0);
        SetCtrlVal(panelUPDATE, UPDATE_NUM_END, 0x1000);
        ResetTextBox(panelUPDATE, UPDATE_LOG, "");
    }
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    std::string write(const char* name, const std::string& text) const
    {
        QFile f(QString::fromStdString(path(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
        return path(name);
    }
    static std::string read(const std::string& file)
    {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    static std::string table(int values, int first)
    {
        std::string text;
        for (int k = 0; k < values; ++k)
            text += "x\r\n" + std::to_string(first + k) + "\r\n";
        return text;
    }
    void choose(const char* title, const std::string& file, int result = VAL_EXISTING_FILE_SELECTED)
    {
        dialogs.expect_file_dialog(title, ModalAnswer{result, file});
    }
    static void press(int control) { CallCtrlCallback(panelUPDATE, control, EVENT_COMMIT, 0, 0); }
    static int colour(int lamp)
    {
        int c = -1;
        GetCtrlAttribute(panelUPDATE, lamp, ATTR_ON_COLOR, &c);
        return c;
    }
    static std::string log()
    {
        char text[16384] = {};
        GetCtrlVal(panelUPDATE, UPDATE_LOG, text);
        return text;
    }
    // Chooses firmware and both tables, as the operator would.
    void choose_files(const std::string& firmware, const std::string& a, const std::string& b)
    {
        choose("Load Firmware File", firmware);
        press(UPDATE_CMD_LOAD_FIRMWARE);
        choose("Select Linearisation Data for Channel A", a);
        press(UPDATE_CMD_LOAD_LIN_A);
        choose("Select Linearisation Data for Channel B", b);
        press(UPDATE_CMD_LOAD_LIN_B);
    }
    // srecord's own reader accepts the file: every checksum right.
    static bool srecord_accepts(const std::string& file)
    {
        QProcess info;
        info.start(QStringLiteral("srec_info"), {QString::fromStdString(file)});
        return info.waitForFinished(10000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0;
    }

    QTemporaryDir dir;
};

TEST_F(Update, ChoosingFilesLightsTheirLampsAndTheReadyLamp)
{
    EXPECT_EQ(colour(UPDATE_LED_FIRMWARE), VAL_RED) << "no file at start";
    choose("Load Firmware File", path("fw.S"));
    press(UPDATE_CMD_LOAD_FIRMWARE);
    EXPECT_EQ(colour(UPDATE_LED_FIRMWARE), VAL_GREEN);
    EXPECT_EQ(colour(UPDATE_LED_READY), VAL_YELLOW);
    char shown[MAX_PATHNAME_LEN] = {};
    GetCtrlVal(panelUPDATE, UPDATE_PATH_FIRMWARE, shown);
    EXPECT_EQ(std::string(shown), path("fw.S"));

    choose("Load Firmware File", "", VAL_NO_FILE_SELECTED);
    press(UPDATE_CMD_LOAD_FIRMWARE);
    EXPECT_EQ(colour(UPDATE_LED_FIRMWARE), VAL_RED);
    EXPECT_EQ(colour(UPDATE_LED_READY), VAL_RED);

    // Unchecking a channel switches its lamp off, keeps its colour, dims its button.
    choose("Select Linearisation Data for Channel A", path("a.dat"));
    press(UPDATE_CMD_LOAD_LIN_A);
    SetCtrlVal(panelUPDATE, UPDATE_CHK_A, 0);
    press(UPDATE_CHK_A);
    int lit = -1;
    GetCtrlVal(panelUPDATE, UPDATE_LED_LIN_A, &lit);
    EXPECT_EQ(lit, 0);
    EXPECT_EQ(colour(UPDATE_LED_LIN_A), VAL_GREEN);
    int dimmed = -1;
    GetCtrlAttribute(panelUPDATE, UPDATE_CMD_LOAD_LIN_A, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
    SetCtrlVal(panelUPDATE, UPDATE_CHK_B, 0);
    press(UPDATE_CHK_B);
    GetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1) << "nothing to merge";
}

TEST_F(Update, MergingWritesAnImageThatSrecordAccepts)
{
    choose_files(write("fw.S", firmware_image(300)), write("a.dat", table(1024, 100)), write("b.dat", table(1024, -50)));
    choose("Select destination for merged file", path("merged.S"), VAL_NEW_FILE_SELECTED);
    press(UPDATE_CMD_MERGE);
    EXPECT_EQ(colour(UPDATE_LED_MERGED), VAL_GREEN);
    EXPECT_EQ(colour(UPDATE_LED_READY), VAL_YELLOW);
    EXPECT_EQ(log(), "Merged 1024 values of channel A and 1024 values of channel B.");
    const std::string merged = read(path("merged.S"));
    ASSERT_FALSE(merged.empty());
    EXPECT_NE(merged.find("S3150200000064006500"), std::string::npos) << "100 and 101 low byte first";
    EXPECT_TRUE(srecord_accepts(path("merged.S")));
}

TEST_F(Update, AFailedMergeWritesNothingAndSaysWhy)
{
    const std::string old_image = firmware_image(2);
    write("merged.S", old_image);
    ResetTextBox(panelUPDATE, UPDATE_LOG, "Merged 1024 values of channel A and 1024 values of channel B.");
    // A table shorter than the window asks for.
    choose_files(write("fw.S", firmware_image(300)), write("a.dat", table(10, 1)), write("b.dat", table(1024, 1)));
    choose("Select destination for merged file", path("merged.S"));
    dialogs.expect_message("ERROR", "The linearisation data of channel A hold 10 values, fewer than the window needs.");
    press(UPDATE_CMD_MERGE);
    EXPECT_EQ(read(path("merged.S")), old_image) << "the old file stays whole";
    EXPECT_EQ(colour(UPDATE_LED_MERGED), VAL_RED);
    EXPECT_EQ(colour(UPDATE_LED_READY), VAL_RED);
    EXPECT_EQ(log(), "") << "no earlier merge's report beside the red lamps";

    // A record after the tables over their bytes would overwrite them once programmed.
    std::string late = firmware_image(300);
    late.insert(late.rfind("S7"), sim::test::srecord(3, 0x02000800, {0x12, 0x34}) + "\r\n");
    write("fw.S", late);
    write("a.dat", table(1024, 1));
    choose("Select destination for merged file", path("merged.S"));
    dialogs.expect_message("ERROR", "Line 302 of the firmware file writes at 0x2000800 over the linearisation data.");
    press(UPDATE_CMD_MERGE);
    EXPECT_EQ(read(path("merged.S")), old_image);
    EXPECT_EQ(colour(UPDATE_LED_MERGED), VAL_RED);

    // A firmware file that has gone since it was chosen: no empty image.
    QFile::remove(QString::fromStdString(path("fw.S")));
    choose("Select destination for merged file", path("other.S"));
    dialogs.expect_message("ERROR",
                           "Could not open the firmware file: " + path("fw.S") + " (no such file or directory)");
    press(UPDATE_CMD_MERGE);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("other.S"))));
    EXPECT_EQ(colour(UPDATE_LED_MERGED), VAL_RED);

    SetCtrlAttribute(panelUPDATE, UPDATE_LED_FIRMWARE, ATTR_ON_COLOR, VAL_RED);
    dialogs.expect_message("ERROR", "Please select all necessary files first!");
    press(UPDATE_CMD_MERGE);
    int dimmed = -1;
    GetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 0) << "the merge button is enabled again";
}

TEST_F(Update, DownloadIsRefusedOverTcpWithoutFilesAndForADamagedImage)
{
    TcpPeer peer(good_controller);
    connect_tcp(peer);
    peer.requests.clear();
    dialogs.expect_message("ERROR", SERIAL_ONLY_TEXT);
    press(UPDATE_CMD_PROGRAM);
    EXPECT_TRUE(peer.requests.empty());
    InitTCP_IP(0);

    PtyPeer line(good_controller);
    open_serial(line);
    ASSERT_EQ(rs232con, 1);
    line.requests.clear();
    dialogs.expect_message("ERROR", "Please select files first!");
    press(UPDATE_CMD_PROGRAM);

    std::string image = firmware_image(5);
    image[image.find("S3") + 20] ^= 1;  // a damaged digit: a wrong checksum
    choose("Load Firmware File", write("bad.S", image));
    press(UPDATE_CMD_LOAD_FIRMWARE);
    dialogs.expect_message("ERROR", "The image is not sent: line 2 of " + path("bad.S") + " has a wrong checksum.");
    press(UPDATE_CMD_PROGRAM);
    EXPECT_TRUE(line.requests.empty()) << "nothing was sent";
    EXPECT_EQ(colour(UPDATE_LED_READY), VAL_RED);

    // Every record sound, but the end record lost: the boot loader would wait for the rest.
    const std::string whole = firmware_image(5);
    choose("Load Firmware File", write("short.S", whole.substr(0, whole.rfind("S7"))));
    press(UPDATE_CMD_LOAD_FIRMWARE);
    dialogs.expect_message("ERROR", "The image is not sent: " + path("short.S")
                                        + " does not end with an end record (S7, S8 or S9).");
    press(UPDATE_CMD_PROGRAM);
    EXPECT_TRUE(line.requests.empty()) << "the boot loader is not entered";
    EXPECT_EQ(colour(UPDATE_LED_READY), VAL_RED);
}

TEST_F(Update, AnEntryAnswerWithoutAcknowledgeSwitchesNoPort)
{
    PtyPeer line([](const QByteArray& r) -> std::optional<Reply> {
        const int code = frame::read_word(reinterpret_cast<const std::uint8_t*>(r.constData()) + 2);
        return code == ORDER_START_DOWNLOAD ? Reply{answer_frame(code, {0x00AB})} : good_controller(r);
    });
    open_serial(line);
    choose("Load Firmware File", write("fw.S", firmware_image(3)));
    press(UPDATE_CMD_LOAD_FIRMWARE);
    line.requests.clear();
    press(UPDATE_CMD_PROGRAM);
    ASSERT_EQ(line.requests.size(), 1);
    EXPECT_EQ(line.requests[0].left(4), QByteArray::fromHex("005500BB"));
    EXPECT_EQ(line.requests[0].mid(4, 4), QByteArray::fromHex("5555AAAA"));
    EXPECT_EQ(statuses.back(), "Error! Sensor echo incorrect.");
    EXPECT_EQ(line.input_flags() & IXON, 0u) << "still the protocol line, no XON/XOFF";
}

class Download : public Update {
protected:
    void open(const Simulator& sim)
    {
        ASSERT_TRUE(sim.ready());
        choose_protocol(0);
        choose_com_port(sim.com_port());
        InitRS232(1);
        ASSERT_EQ(rs232con, 1);
        choose("Load Firmware File", write("fw.S", firmware_image(64)));
        press(UPDATE_CMD_LOAD_FIRMWARE);
    }
};

TEST_F(Download, TheImageReachesTheBootLoaderAndTheLineComesBack)
{
    const QString image_out = QDir(dir.path()).filePath(QStringLiteral("received.S"));
    Simulator sim({"--image-out", image_out});
    open(sim);
    // Pressed again during the download, PROGRAM does nothing.
    int dimmed_meanwhile = 0;
    QTimer::singleShot(300, [&] {
        GetCtrlAttribute(panelUPDATE, UPDATE_CMD_PROGRAM, ATTR_DIMMED, &dimmed_meanwhile);
        press(UPDATE_CMD_PROGRAM);
    });
    press(UPDATE_CMD_PROGRAM);
    EXPECT_EQ(dimmed_meanwhile, 1);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "Starting download ... "), 1);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Starting download ... OK!"), statuses.end());
    EXPECT_NE(log().find("Waiting for application S-Record."), std::string::npos);
    // The text box keeps the line ends as line breaks: an empty line, then the text.
    EXPECT_NE(log().find("\n\nFirmwareupdate was successful!"), std::string::npos) << log();
    EXPECT_EQ(rs232con, 1) << "the normal line with its line check";
    EXPECT_EQ(read(image_out.toStdString()), read(path("fw.S")));
}

TEST_F(Download, NoPromptLeavesThePortInTheBootLoadersSettings)
{
    Simulator sim({"--no-prompt"});
    open(sim);
    dialogs.expect_message("ERROR", "No answer from controller!");
    FastClock fast;
    press(UPDATE_CMD_PROGRAM);
    EXPECT_EQ(colour(UPDATE_LED_READY), VAL_RED);
    EXPECT_EQ(rs232con, 1) << "open, in the boot loader's settings";
    InitRS232_PL(0);
}

TEST_F(Download, NoStartMessageReportsNoSuccessAndRestoresTheLine)
{
    Simulator sim({"--no-start-message"});
    open(sim);
    press(UPDATE_CMD_PROGRAM);
    EXPECT_EQ(log().find("Firmwareupdate was successful!"), std::string::npos);
    EXPECT_NE(log().find("Waiting for application S-Record."), std::string::npos);
    EXPECT_EQ(rs232con, 1);
}

}  // namespace
}  // namespace telvar::test
