// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the end of the program, in process and as a real program.
#include "app/startup.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "params/pages.h"
#include "platform/events.h"
#include "platform/qt_access.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "support/peers.h"
#include "telvar_version.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <gtest/gtest.h>

namespace telvar {
namespace {

int attribute(int panel, int control, int attr)
{
    int value = -1;
    GetCtrlAttribute(panel, control, attr, &value);
    return value;
}

TEST(Startup, ShowsTheProgramNameAndEndsWithZeroWhenTheWindowCloses)
{
    std::string status_at_start;
    QTimer::singleShot(200, [&] {
        status_at_start = status_text();
        EXPECT_EQ(rs232con, 0);
        EXPECT_EQ(tcpcon, 0);
        EXPECT_TRUE(PanelWidget(panelMAIN)->isVisible());
        EXPECT_FALSE(PanelWidget(panelTEST)->isVisible()) << "child panels start hidden";
        EXPECT_EQ(PanelWidget(panelPARAA2)->x(), 520);
        EXPECT_EQ(PanelWidget(panelPARAA2)->y(), 165);
        EXPECT_EQ(PanelWidget(panelOUTPUTS)->x(), 110);
        // The data filter starts direct: the reset selectors are of no use yet.
        for (const Selector& s : EVENT_SELECTORS) {
            if (s.group != Group::Reset)
                continue;
            for (int page : {panelPARAA, panelPARAB})
                EXPECT_EQ(attribute(page, selector_control(s), ATTR_DIMMED), 1) << s.role;
        }
        lower_stop_flag();
        PanelWidget(panelMAIN)->close();
    });
    char name[] = "telvar-k20-dizer";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(WinMain(1, argv), 0);
    EXPECT_EQ(status_at_start, "TELVAR-K20-Dizer v3.0x");
    EXPECT_EQ(stop_flag, 1) << "closing stops a running acquisition";
}

// The program copied into a folder below `dir`, the panel files but one
// into another (or the same).
QString lay_out(const QTemporaryDir& dir, const QString& program_folder, const QString& panel_folder,
                const QString& left_out)
{
    const QDir root(dir.path());
    root.mkpath(program_folder);
    root.mkpath(panel_folder);
    const QString program = root.filePath(program_folder + "/telvar-k20-dizer");
    QFile::copy(TELVAR_PROGRAM, program);
    for (const QString& panel : QDir(TELVAR_PANEL_DIR).entryList({"*.uir"}))
        if (panel != left_out)
            QFile::copy(QDir(TELVAR_PANEL_DIR).filePath(panel), root.filePath(panel_folder + "/" + panel));
    return program;
}

// The program in a folder of its own, with its panel files beside it.
QString install_program(const QTemporaryDir& dir, const QString& left_out)
{
    return lay_out(dir, ".", ".", left_out);
}

// The program and its panel files where the package puts them.
QString install_package(const QTemporaryDir& dir, const QString& left_out)
{
    return lay_out(dir, "usr/bin", "usr/share/telvar-k20-dizer", left_out);
}

TEST(Startup, MissingPanelFileEndsWithMinusOneBeforeAnyWindow)
{
    QTemporaryDir incomplete;
    QProcess run;
    run.start(install_program(incomplete, "Test.uir"), {});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 255) << "exit code -1";

    // With every file in place the same program keeps running.
    QTemporaryDir complete;
    QProcess whole;
    whole.start(install_program(complete, ""), {});
    EXPECT_FALSE(whole.waitForFinished(1500));
    whole.kill();
    whole.waitForFinished(5000);
}

TEST(Startup, InstalledProgramFindsItsPanelFilesInItsDataFolder)
{
    QTemporaryDir installed;
    QProcess run;
    run.start(install_package(installed, ""), {});
    EXPECT_FALSE(run.waitForFinished(1500)) << run.readAllStandardError().toStdString();
    run.kill();
    run.waitForFinished(5000);

    QTemporaryDir incomplete;
    QProcess broken;
    broken.start(install_package(incomplete, "Update.uir"), {});
    ASSERT_TRUE(broken.waitForFinished(10000));
    EXPECT_EQ(broken.exitCode(), 255) << "a panel file missing from the data folder too";
}

struct Ending {
    QProcess::ExitStatus status;
    int code;
    QByteArray error_output;
    QByteArray output;
};

// The program started for the X11 window system with no display, or with
// one that is named but cannot be reached.
Ending run_without_display(const QString& display, const QStringList& arguments = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        env.remove(name);
    env.insert("QT_QPA_PLATFORM", "xcb");
    if (!display.isEmpty())
        env.insert("DISPLAY", display);
    QProcess run;
    run.setProcessEnvironment(env);
    run.start(TELVAR_PROGRAM, arguments);
    EXPECT_TRUE(run.waitForFinished(10000));
    return {run.exitStatus(), run.exitCode(), run.readAllStandardError(), run.readAllStandardOutput()};
}

TEST(Startup, WithoutADisplayEndsWithMinusOneAndOneLine)
{
    for (const QString& display : {QString(), QStringLiteral(":9876")}) {
        SCOPED_TRACE(display.toStdString());
        const Ending end = run_without_display(display);
        EXPECT_EQ(end.status, QProcess::NormalExit) << "not the toolkit's abort";
        EXPECT_EQ(end.code, 255) << "exit code -1";
        EXPECT_EQ(end.error_output.count('\n'), 1) << end.error_output.toStdString();
        EXPECT_TRUE(end.error_output.endsWith('\n')) << end.error_output.toStdString();
    }
}

// A package's scripts and its man page ask the program, on a machine
// without a display.
TEST(Startup, VersionAndHelpAnswerWithoutADisplay)
{
    const Ending version = run_without_display(QString(), {"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.output, QByteArray("telvar-k20-dizer ") + TELVAR_VERSION + "\n");
    EXPECT_TRUE(version.error_output.isEmpty()) << version.error_output.toStdString();
    const Ending help = run_without_display(QString(), {"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.output.startsWith("Usage: telvar-k20-dizer")) << help.output.toStdString();
}

TEST(Startup, ClosingDuringAnExchangeClosesTheLineAndEnds)
{
    SetTimeScale(10);
    test::TcpPeer peer(test::good_controller);
    double closed_after = -1;
    QTimer::singleShot(100, [&] {
        choose_protocol(1);
        choose_tcp_address("127.0.0.1", portNumStr, peer.port());
        InitTCP_IP(1);
        peer.script = [](const QByteArray&) { return std::nullopt; };
        QTimer::singleShot(60, [] { PanelWidget(panelMAIN)->close(); });
        const double started = Timer();
        unsigned short payload[PNUM] = {};
        FillTxBuf(ORDER_RAWDATA, payload);
        ExchangeFrame();
        closed_after = Timer() - started;
    });
    char name[] = "telvar-k20-dizer";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(WinMain(1, argv), 0);
    SetTimeScale(1);
    // The peer hears of the hang-up once its own events run.
    for (int k = 0; k < 100 && peer.disconnects == 0; ++k)
        WaitEvents(10);
    EXPECT_EQ(peer.disconnects, 1);
    EXPECT_GE(closed_after, 0);
    EXPECT_LT(closed_after, 4.0) << "the attempts after the close fail at once instead of waiting";
}

class ButtonGroups : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(load_panels());
    }
};

TEST_F(ButtonGroups, DimAndEnableEveryMember)
{
    set_main_buttons(0, 0, 0);
    for (int c : {MAIN_CMD_RUN, MAIN_CMD_STOP, MAIN_CMD_DATA, MAIN_CMD_RESET, MAIN_CMD_TEACH, MAIN_CMD_TRIGGER,
                  MAIN_BTN_SEND, MAIN_BTN_GET, MAIN_BTN_COMPARE, MAIN_RADIO_RAM, MAIN_RADIO_EEPROM, MAIN_RADIO_FILE})
        EXPECT_EQ(attribute(panelMAIN, c, ATTR_DIMMED), 1) << c;
    EXPECT_EQ(attribute(panelMAIN, MAIN_VIEW_CHA, ATTR_DIMMED), 0) << "view selectors always work";
    set_main_buttons(1, -1, 7);
    EXPECT_EQ(attribute(panelMAIN, MAIN_CMD_STOP, ATTR_DIMMED), 0);
    EXPECT_EQ(attribute(panelMAIN, MAIN_CMD_TEACH, ATTR_DIMMED), 1) << "-1 leaves a group alone";
    EXPECT_EQ(attribute(panelMAIN, MAIN_BTN_GET, ATTR_DIMMED), 0) << "any other value enables";
}

TEST_F(ButtonGroups, AcquisitionColoursGoBackToIdleUnlessLeftAlone)
{
    set_main_buttons(1, 1, 1);
    SetCtrlAttribute(panelMAIN, MAIN_CMD_RUN, ATTR_CMD_BUTTON_COLOR, ACTIVE_BUTTON_COLOR);
    SetCtrlAttribute(panelMAIN, MAIN_CMD_RUN, ATTR_DIMMED, 1);
    set_main_buttons(-1, 0, 0);
    EXPECT_EQ(attribute(panelMAIN, MAIN_CMD_RUN, ATTR_CMD_BUTTON_COLOR), ACTIVE_BUTTON_COLOR);
    EXPECT_EQ(attribute(panelMAIN, MAIN_CMD_RUN, ATTR_DIMMED), 1);
    EXPECT_EQ(attribute(panelMAIN, MAIN_CMD_STOP, ATTR_DIMMED), 0);
    set_main_buttons(1, 1, 1);
    EXPECT_EQ(attribute(panelMAIN, MAIN_CMD_RUN, ATTR_CMD_BUTTON_COLOR), IDLE_BUTTON_COLOR);
}

TEST_F(ButtonGroups, TestPanelGroups)
{
    set_test_panel_controls(0, 1);
    EXPECT_EQ(attribute(panelTEST, TEST_CMD_ENTER, ATTR_DIMMED), 1);
    EXPECT_EQ(attribute(panelTEST, TEST_LAMP_2, ATTR_DIMMED), 0);
    EXPECT_EQ(attribute(panelTEST, TEST_NUM_WORD10, ATTR_DIMMED), 0);
    set_test_panel_controls(1, 0);
    EXPECT_EQ(attribute(panelTEST, TEST_CMD_EXIT, ATTR_DIMMED), 0);
    EXPECT_EQ(attribute(panelTEST, TEST_SWITCH_INVERTED, ATTR_DIMMED), 1);
}

}  // namespace
}  // namespace telvar
