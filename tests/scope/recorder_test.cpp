// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder: its CSV rows, and a recording made during RUN that is
// complete whether the run ends by STOP, by a hang-up or by the window's
// close, and that stops with a message when the file cannot be written.
#include "support/link_fixture.h"

#include "app/panel_events.h"
#include "link/command.h"
#include "link/orders.h"
#include "link/tcp_line.h"
#include "platform/qt_access.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "scope/recorder.h"
#include "scope/recorder_csv.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <qcustomplot.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace telvar::test {
namespace {

const char* const kHeader =
    "time,seconds,evaluation,channel A,channel B,channel A second,channel B second,channel A third,"
    "channel B third,A trigger level,A upper limit,A reference,A lower limit,B trigger level,B upper limit,"
    "B reference,B lower limit,Evaluation upper limit,Evaluation reference,Evaluation lower limit\r\n";

TEST(RecorderCsv, HeaderNamesEveryColumnAndRowsCarryTheSample)
{
    EXPECT_EQ(recorder_header(), kHeader);
    std::array<unsigned short, 16> live{};
    for (int w = 1; w <= 7; ++w)
        live[w] = static_cast<unsigned short>(w * 11);
    std::array<double, TRACES> traces{};
    for (int t = 0; t < TRACES; ++t)
        traces[t] = 100 + t;
    EXPECT_EQ(recorder_row("2026-12-08 05:40:12.345", 1.5, live.data(), traces.data()),
              "2026-12-08 05:40:12.345,1.500,11,22,33,44,55,66,77,103,104,105,106,107,108,109,110,111,112,113\r\n");
}

class Recorder : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_strip_chart();
        ASSERT_TRUE(dir.isValid());
        file = QDir(dir.path()).filePath(QStringLiteral("live.csv")).toStdString();
    }
    void TearDown() override
    {
        FailFileWrites(false);
        stop_recording();
        LinkTest::TearDown();
    }
    // A controller that answers live requests with word 2 = the count so far;
    // after `answers` of them it does what `then` says.
    void start_peer(int answers, std::function<std::optional<Reply>(const QByteArray&)> then)
    {
        peer = std::make_unique<TcpPeer>(good_controller);
        connect_tcp(*peer);
        ASSERT_EQ(tcpcon, 1);
        peer->script = [this, answers, then](const QByteArray& r) -> std::optional<Reply> {
            if (++live < answers || !then)
                return Reply{answer_frame(order_of(r), {1, 500, 1000 + live})};
            return then(r);
        };
    }
    void press_recorder(bool with_dialog)
    {
        if (with_dialog)
            dialogs.expect_file_dialog("Record live samples to", ModalAnswer{VAL_NEW_FILE_SELECTED, file});
        CallCtrlCallback(panelMAIN, MAIN_CMD_RECORDER, EVENT_COMMIT, 0, 0);
    }
    static void run() { CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0); }
    static std::string indicator()
    {
        char text[256] = {};
        GetCtrlVal(panelMAIN, MAIN_REC_TEXT, text);
        return text;
    }
    static int lamp()
    {
        int colour = -1;
        GetCtrlAttribute(panelMAIN, MAIN_REC_LAMP, ATTR_TEXT_BGCOLOR, &colour);
        return colour;
    }
    static bool indicator_shown()
    {
        int visible = 0;
        GetCtrlAttribute(panelMAIN, MAIN_REC_TEXT, ATTR_VISIBLE, &visible);
        return visible != 0;
    }
    QStringList rows() const
    {
        QFile f(QString::fromStdString(file));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    }
    // The channel A column of every data row.
    std::vector<int> channel_a() const
    {
        std::vector<int> values;
        const QStringList all = rows();
        for (int k = 1; k < all.size(); ++k)
            if (!all[k].isEmpty())
                values.push_back(all[k].split(',')[3].toInt());
        return values;
    }

    QTemporaryDir dir;
    std::string file;
    std::unique_ptr<TcpPeer> peer;
    int live = 0;
};

TEST_F(Recorder, RowsAreTheDisplayedSamplesAndStopClosesTheFile)
{
    start_peer(4, [](const QByteArray& r) -> std::optional<Reply> {
        CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0);  // while the fourth answer comes
        return Reply{answer_frame(order_of(r), {1, 500, 1004})};
    });
    press_recorder(true);
    EXPECT_TRUE(recording());
    int colour = -1;
    GetCtrlAttribute(panelMAIN, MAIN_CMD_RECORDER, ATTR_CMD_BUTTON_COLOR, &colour);
    EXPECT_EQ(colour, RECORDING_BUTTON_COLOR);
    // Latin-1, as the platform shows it: the dot is one byte, not two.
    EXPECT_TRUE(indicator().starts_with("REC live.csv \xB7 00:00:0")) << indicator();
    run();
    EXPECT_FALSE(recording());
    EXPECT_FALSE(indicator_shown()) << "gone when the recording ends";
    EXPECT_EQ(rows().front() + "\r\n", QString::fromLatin1(kHeader));
    EXPECT_EQ(channel_a(), (std::vector<int>{1001, 1002, 1003})) << "the fourth was not displayed";
    GetCtrlAttribute(panelMAIN, MAIN_CMD_RECORDER, ATTR_CMD_BUTTON_COLOR, &colour);
    EXPECT_EQ(colour, IDLE_BUTTON_COLOR);
    EXPECT_EQ(statuses.back(), "Rawdata recieved.") << "the run's text stays";
}

TEST_F(Recorder, AHangUpEndsTheRunAndLeavesTheFileComplete)
{
    start_peer(3, [this](const QByteArray&) -> std::optional<Reply> {
        peer->drop();
        return std::nullopt;
    });
    press_recorder(true);
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    FastClock fast;
    run();
    EXPECT_EQ(statuses.back(), "Error! Connection lost.");
    pump(0);
    EXPECT_FALSE(recording()) << "no lost line is waited for";
    EXPECT_EQ(channel_a(), (std::vector<int>{1001, 1002}));
}

TEST_F(Recorder, ClosingTheWindowClosesTheRecording)
{
    start_peer(3, [](const QByteArray& r) -> std::optional<Reply> {
        CC_MAIN_PANEL(panelMAIN, EVENT_CLOSE, nullptr, 0, 0);
        return Reply{answer_frame(order_of(r), {1, 500, 1003})};
    });
    press_recorder(true);
    run();
    EXPECT_FALSE(recording());
    EXPECT_EQ(channel_a(), (std::vector<int>{1001, 1002}));
}

TEST_F(Recorder, ASecondPressStopsAndAFailedWriteSaysSo)
{
    press_recorder(true);
    press_recorder(false);
    EXPECT_FALSE(recording());
    EXPECT_EQ(statuses.back(), "Recording stopped: 0 samples in " + file);
    EXPECT_EQ(rows().size(), 2) << "the header and the end of its line";

    start_peer(1000000, nullptr);
    press_recorder(true);
    // The next pass overwrites the status line: the error stays in a notice.
    dialogs.expect_notice("ERROR", "Error! Recording stopped: the file could not be written.\n" + file);
    QTimer::singleShot(300, [] { FailFileWrites(true); });
    QTimer::singleShot(1500, [] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
    run();
    EXPECT_FALSE(recording());
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Error! Recording stopped: the file could not be written."),
              statuses.end());
    EXPECT_TRUE(indicator_shown()) << "the write error stays beside the connection indicator";
    EXPECT_EQ(indicator(), "Not recording: live.csv could not be written");
    EXPECT_EQ(lamp(), RECORDING_FAILED_LAMP_COLOR) << "not the red of a recording";
}

// A name too long for the indicator is shortened in its middle: its start
// and end, the time and the row count, or what went wrong, stay in sight.
TEST_F(Recorder, ALongFileNameIsShortenedInItsMiddle)
{
    const std::string name = "line-3-station-" + std::string(150, 'w') + "-end.csv";
    file = QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
    press_recorder(true);
    ASSERT_TRUE(recording());
    EXPECT_EQ(lamp(), RECORDING_LAMP_COLOR);
    const QLabel* label = qobject_cast<QLabel*>(ControlWidget(panelMAIN, MAIN_REC_TEXT));
    const auto fits = [label](const std::string& text) {
        return label->fontMetrics().horizontalAdvance(QString::fromLatin1(text)) < label->contentsRect().width();
    };
    EXPECT_TRUE(indicator().starts_with("REC line-3-")) << indicator();
    EXPECT_NE(indicator().find("..."), std::string::npos) << indicator();
    EXPECT_TRUE(indicator().ends_with("w-end.csv \xB7 00:00:00 \xB7 0 rows")) << indicator();
    EXPECT_TRUE(fits(indicator())) << indicator();

    // A file that can no longer be written, for root too: a folder in its place.
    stop_recording();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(file)));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(file)));
    dialogs.expect_file_dialog("Record live samples to", ModalAnswer{VAL_NEW_FILE_SELECTED, file});
    dialogs.expect_notice("ERROR", "Error! The recording file could not be written.\n" + file);
    press_recorder(false);
    EXPECT_FALSE(recording());
    EXPECT_TRUE(indicator().starts_with("Not recording: line-3-")) << indicator();
    EXPECT_TRUE(indicator().ends_with("end.csv could not be written")) << indicator();
    EXPECT_TRUE(fits(indicator())) << indicator();
    EXPECT_EQ(lamp(), RECORDING_FAILED_LAMP_COLOR);
}

// The operator opens a dialog while a request waits for its answer and keeps
// it open: RECORDER's for a second, later the chart's Save Data for one and
// a half. The answers came meanwhile, so the run goes on without a retry.
// Each sample carries the time its answer came: the one that came before the
// recording began is not in it, and the long wait is a gap, in the recording
// and on the chart, not a line drawn across.
TEST_F(Recorder, ItsDialogHeldOpenDuringAnExchangeCostsNoRetryAndLeavesAGap)
{
    start_peer(3, [this](const QByteArray& r) -> std::optional<Reply> {
        if (live == 3)
            QTimer::singleShot(0, [] { CallCtrlCallback(panelMAIN, MAIN_CMD_RECORDER, EVENT_COMMIT, 0, 0); });
        if (live == 6)
            QTimer::singleShot(0, [] {
                for (QAction* action : ControlWidget(panelMAIN, MAIN_STRIPCHART)->findChild<QMenu*>()->actions())
                    if (action->text() == QLatin1String("Save data as CSV..."))
                        action->trigger();
            });
        if (live == 9)
            CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0);
        return Reply{answer_frame(order_of(r), {1, 500, 1000 + live}), 50};
    });
    dialogs.expect_file_dialog("Record live samples to", ModalAnswer{VAL_NEW_FILE_SELECTED, file}, 1000);
    dialogs.expect_file_dialog("Save Data", ModalAnswer{VAL_NO_FILE_SELECTED, ""}, 1500);
    run();
    dialogs.check_all_shown();
    // A retry would say "Read failure! Retrying for 9 times." first.
    for (const std::string& text : statuses)
        EXPECT_EQ(text.find("failure"), std::string::npos) << text;

    EXPECT_EQ(channel_a(), (std::vector<int>{1004, 1005, 1006, 1007, 1008}))
        << "the third sample came before the recording began";
    const QStringList all = rows();
    const auto row_of = [&all](int channel_a) {
        for (int k = 1; k < all.size(); ++k)
            if (!all[k].isEmpty() && all[k].split(',')[3].toInt() == channel_a)
                return k;
        return -1;
    };
    const auto seconds = [&all](int row) { return all.value(row).split(',').value(1).toDouble(); };
    const int held = row_of(1006);
    ASSERT_GT(held, 0);
    EXPECT_LT(seconds(held) - seconds(held - 1), 0.5) << "the held sample at the time its answer came";
    EXPECT_EQ(all.value(held + 1), "") << "an empty line where the record breaks";
    EXPECT_GT(seconds(held + 2) - seconds(held), 1.4) << "the next row's time tells how long";
    EXPECT_EQ(all.value(held + 2).split(',').value(3).toInt(), 1007);

    // Channel A's trace: the held sample, a point without a value, the next.
    const auto* chart = qobject_cast<QCustomPlot*>(ControlWidget(panelMAIN, MAIN_STRIPCHART));
    std::vector<double> drawn;
    for (const QCPGraphData& point : *chart->graph(0)->data())
        drawn.push_back(point.value);
    const auto at = std::find(drawn.begin(), drawn.end(), 1006.0);
    ASSERT_LT(at + 2, drawn.end());
    EXPECT_TRUE(std::isnan(at[1])) << "no line across the wait";
    EXPECT_EQ(at[2], 1007);
}

TEST_F(Recorder, ACancelledDialogRecordsNothing)
{
    dialogs.expect_file_dialog("Record live samples to", ModalAnswer{VAL_NO_FILE_SELECTED, ""});
    press_recorder(false);
    EXPECT_FALSE(recording());
}

}  // namespace
}  // namespace telvar::test
