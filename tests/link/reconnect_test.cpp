// SPDX-License-Identifier: GPL-3.0-or-later
// A lost line comes back by itself: against the simulator hanging up over
// TCP, closing its pseudo-terminal, and being stopped and started again.
#include "support/link_fixture.h"
#include "support/simulator_line.h"

#include "app/connection_indicator.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/connect_dialog.h"
#include "link/line_watch.h"
#include "link/reconnect.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "params/record.h"
#include "platform/events.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "scope/recorder.h"
#include "storage/transfer.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace telvar {
namespace {

using test::LinkTest;
using test::Line;
using test::Simulator;

// Get, as the operator presses it, against the RAM.
void press_get()
{
    choose_target(RAM);
    CallCtrlCallback(panelMAIN, MAIN_BTN_GET, EVENT_COMMIT, 0, 0);
}

double cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class Reconnect : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        ASSERT_TRUE(settings_dir.isValid());
        set_connection_files(ipComboBoxFileName,
                             QDir(settings_dir.path()).filePath("connection.ini").toLocal8Bit().constData());
        load_connection_settings();
        setup_connection_indicator();
        setup_reconnect();
    }
    void TearDown() override
    {
        LinkTest::TearDown();
        set_line_observer("reconnect", nullptr);
        set_line_observer("indicator", nullptr);
        set_reconnect_auto(1);
    }

    static void open_tcp(const Simulator& sim) { test::open_line(sim, Line::Tcp); }
    static void open_pty(const Simulator& sim) { test::open_line(sim, Line::Serial); }
    // Events for up to `ms` of real time, until the condition holds.
    static bool wait_for(const std::function<bool()>& condition, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > ms)
                return false;
            pump(20);
        }
        return true;
    }
    // Long enough for the watch to make one connect attempt, if it would.
    static void sit_out_one_attempt() { pump(static_cast<int>(TCP_RECONNECT_INTERVAL * 1000) + 500); }
    static bool line_open() { return rs232con != 0 || tcpcon != 0; }
    static std::string line_text()
    {
        char text[256] = {};
        GetCtrlVal(panelMAIN, MAIN_LINE_TEXT, text);
        return text;
    }
    static int dimmed(int control)
    {
        int dimmed = -1;
        GetCtrlAttribute(panelMAIN, control, ATTR_DIMMED, &dimmed);
        return dimmed;
    }
    static bool all_groups_enabled()
    {
        for (int control : {MAIN_CMD_RUN, MAIN_CMD_RESET, MAIN_BTN_GET}) {
            int dimmed = 1;
            GetCtrlAttribute(panelMAIN, control, ATTR_DIMMED, &dimmed);
            if (dimmed)
                return false;
        }
        return true;
    }
    // The line came back as Try and Accept open it, and a Get works on it.
    void expect_back_and_working()
    {
        ASSERT_TRUE(wait_for(line_open, 8000)) << "the line did not come back";
        ASSERT_FALSE(statuses.empty());
        EXPECT_EQ(statuses.back().rfind(RECONNECTED_TEXT, 0), 0u) << statuses.back();
        EXPECT_FALSE(statuses_starting("Connection found. Line OK.").empty());
        EXPECT_FALSE(statuses_starting("TELVAR-K20 SIM").empty());
        EXPECT_TRUE(all_groups_enabled());
        EXPECT_FALSE(reconnect_waiting());
        EXPECT_NE(line_text().find("TELVAR-K20 SIM"), std::string::npos) << line_text();

        set_word(BLOCK_A + CH_REFERENCE, 0);
        statuses.clear();
        press_get();
        EXPECT_EQ(statuses.back(), "Parameter loaded from sensor.");
        EXPECT_EQ(parameter[BLOCK_A + CH_REFERENCE], 2048);
    }

    QTemporaryDir settings_dir;
};

// Line check, version and the three frames of a Get: then the simulator hangs up.
const QStringList kHangUpAfterGet{"--close-after", "5"};

TEST_F(Reconnect, TcpServerThatHangsUpIsConnectedAgain)
{
    Simulator sim(kHangUpAfterGet);
    open_tcp(sim);
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    press_get();
    ASSERT_TRUE(wait_for(reconnect_waiting, 3000));
    statuses.clear();
    expect_back_and_working();
}

TEST_F(Reconnect, PseudoTerminalThatClosesIsOpenedAgainUnderItsLink)
{
    Simulator sim(kHangUpAfterGet);
    open_pty(sim);
    press_get();
    ASSERT_TRUE(wait_for(reconnect_waiting, 3000)) << "the closed terminal was not noticed";
    EXPECT_EQ(rs232con, 0);
    statuses.clear();
    expect_back_and_working();
}

// Switched off during RUN, with nobody at the screen: the hang-up's message
// holds nothing up and goes by itself once the line is back. Meanwhile the
// number displays say that they wait for the line, the failed attempts leave
// the status line alone, and RUN goes on when the line is back, and the
// recording made during it goes on after an empty line.
TEST_F(Reconnect, ControllerSwitchedOffAndOnAgainComesBackAndCostsNoCpuMeanwhile)
{
    Simulator sim;
    open_tcp(sim);
    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath(QStringLiteral("live.csv")).toStdString();
    dialogs.expect_file_dialog("Record live samples to", ModalAnswer{VAL_NEW_FILE_SELECTED, file});
    CallCtrlCallback(panelMAIN, MAIN_CMD_RECORDER, EVENT_COMMIT, 0, 0);
    ASSERT_TRUE(recording());
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    const int notices = NoticesShown();
    QTimer::singleShot(300, [&sim] { sim.stop(); });
    CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0);
    ASSERT_TRUE(wait_for(reconnect_waiting, 3000));
    pump(0);
    EXPECT_TRUE(recording()) << "the recording waits for the line";
    EXPECT_NE(line_text().find("waiting for TCP 127.0.0.1:"), std::string::npos) << line_text();
    EXPECT_EQ(NoticesShown(), notices + 1);
    for (int display : {MAIN_NUM_EVAL, MAIN_NUM_CHA, MAIN_NUM_CHB_2ND}) {
        EXPECT_EQ(dimmed(display), 1) << display;
        EXPECT_EQ(ControlWidget(panelMAIN, display)->accessibleDescription().toStdString().rfind("waiting for line", 0),
                  0u) << display;
    }

    // Two connect attempts in five seconds, refused at once: the tool idles.
    statuses.clear();
    const double cpu_before = cpu_seconds();
    pump(5000);
    EXPECT_LT(cpu_seconds() - cpu_before, 0.25);
    EXPECT_FALSE(line_open());
    EXPECT_TRUE(reconnect_waiting());
    EXPECT_TRUE(statuses.empty()) << "each attempt said: " << statuses.front();

    // Back, RUN goes on by itself; STOP once it has shown samples again.
    ASSERT_TRUE(sim.start_again());
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [this] {
        if (statuses_starting("Rawdata recieved.").size() >= 5)
            CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0);
    });
    stopper.start(50);
    statuses.clear();
    ASSERT_TRUE(wait_for([this] { return !statuses_starting("Rawdata recieved.").empty() && !command_running(); }, 10000))
        << "RUN did not go on";
    stopper.stop();
    const auto back = std::find_if(statuses.begin(), statuses.end(),
                                   [](const std::string& text) { return text.rfind(RECONNECTED_TEXT, 0) == 0; });
    EXPECT_LT(back, std::find(statuses.begin(), statuses.end(), "Rawdata recieved.")) << "RUN went on after the reconnect";
    EXPECT_FALSE(statuses_starting("Connection found. Line OK.").empty()) << "the line check's texts are shown once it passed";
    EXPECT_EQ(dimmed(MAIN_NUM_CHA), 0);
    EXPECT_EQ(NoticesShown(), notices);
    EXPECT_FALSE(recording()) << "STOP ends the recording";
    QFile recorded(QString::fromStdString(file));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QString rows = QString::fromLatin1(recorded.readAll());
    const qsizetype gap = rows.indexOf(QLatin1String("\r\n\r\n"));
    ASSERT_GT(gap, 0) << "no empty line where the line was away";
    EXPECT_GT(rows.left(gap).count(QLatin1String("\r\n")), 1) << "rows before the line was lost";
    EXPECT_GT(rows.mid(gap + 4).count(QLatin1String("\r\n")), 0) << "rows after it came back";

    statuses.clear();
    press_get();
    EXPECT_EQ(statuses.back(), "Parameter loaded from sensor.");
}

// An attempt that waits for a silent controller keeps its own texts back,
// but a click meanwhile is refused aloud, as always.
TEST_F(Reconnect, AClickDuringAnAttemptIsStillRefusedAloud)
{
    test::TcpPeer peer(test::good_controller);
    connect_tcp(peer);
    ASSERT_EQ(tcpcon, 1);
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    peer.script = [](const QByteArray&) { return std::optional<test::Reply>(); };
    peer.drop();
    ASSERT_TRUE(wait_for(reconnect_waiting, 3000));
    statuses.clear();
    // The attempt connects about 2 s after the loss and then waits 4.5 s for
    // the line check, processing events meanwhile: the click comes then.
    QTimer::singleShot(3000, [] { press_get(); });
    ASSERT_TRUE(wait_for([&peer] { return peer.connections == 2 && !command_running(); }, 8000));
    EXPECT_EQ(statuses, std::vector<std::string>{BUSY_TEXT});
    EXPECT_TRUE(reconnect_waiting());
}

TEST_F(Reconnect, SerialDeviceGoneWatchesThePortListOnly)
{
    Simulator sim;
    open_pty(sim);
    sim.stop();
    ASSERT_TRUE(wait_for(reconnect_waiting, 3000));
    statuses.clear();
    const double cpu_before = cpu_seconds();
    pump(3000);
    EXPECT_LT(cpu_seconds() - cpu_before, 0.2);
    EXPECT_TRUE(statuses.empty()) << "nothing is tried while the device is absent: " << statuses.front();

    ASSERT_TRUE(sim.start_again());
    expect_back_and_working();
}

TEST_F(Reconnect, UncheckedBoxLeavesTheLineLostAndIsSaved)
{
    SetCtrlVal(panelInterf, INTERF_RECONNECT, 0);
    CallCtrlCallback(panelInterf, INTERF_RECONNECT, EVENT_COMMIT, 0, 0);
    EXPECT_EQ(reconnectAuto, 0);
    set_reconnect_auto(1);
    load_connection_settings();
    EXPECT_EQ(reconnectAuto, 0) << "the choice is read back from its file";

    Simulator sim(kHangUpAfterGet);
    open_tcp(sim);
    dialogs.expect_message("TCP Client", "Server has closed connection!");
    press_get();
    ASSERT_TRUE(wait_for([] { return line_text().rfind("Lost", 0) == 0; }, 3000)) << line_text();
    sit_out_one_attempt();
    EXPECT_FALSE(line_open());
    EXPECT_FALSE(reconnect_waiting());
    EXPECT_EQ(line_text().rfind("Lost", 0), 0u) << line_text();
}

TEST_F(Reconnect, NothingIsTriedWhileTheDialogIsOpenOrADownloadHoldsThePort)
{
    Simulator sim(kHangUpAfterGet);
    open_tcp(sim);
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    {
        const ReconnectPause download;
        press_get();
        ASSERT_TRUE(wait_for(reconnect_waiting, 3000));
        sit_out_one_attempt();
        EXPECT_FALSE(line_open()) << "reconnected while the download held the port";
        EXPECT_TRUE(reconnect_waiting());
    }
    CallCtrlCallback(panelMAIN, MAIN_CMD_CONNECT, EVENT_COMMIT, 0, 0);
    sit_out_one_attempt();
    EXPECT_FALSE(line_open()) << "reconnected while the dialog was open";
    HidePanel(panelInterf);
    expect_back_and_working();
}

TEST_F(Reconnect, ControllerThatStopsAnsweringOnAnOpenLineIsNotALostLine)
{
    Simulator sim({"--faults-after", "2", "--silent"});
    open_tcp(sim);
    {
        const test::FastClock fast;
        press_get();
    }
    EXPECT_EQ(statuses.back(), CONNECTION_LOST_TEXT);
    statuses.clear();
    pump(3000);
    EXPECT_FALSE(reconnect_waiting());
    EXPECT_TRUE(statuses.empty()) << "the tool sent something by itself: " << statuses.front();
    EXPECT_EQ(tcpcon, 1);
}

TEST_F(Reconnect, ALineTheOperatorClosesStaysClosed)
{
    Simulator sim;
    open_tcp(sim);
    InitTCP_IP(0);
    pump(2500);
    EXPECT_FALSE(line_open());
    EXPECT_FALSE(reconnect_waiting());
    EXPECT_EQ(line_text(), "Not connected");
}

}  // namespace
}  // namespace telvar
