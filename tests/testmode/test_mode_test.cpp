// SPDX-License-Identifier: GPL-3.0-or-later
// Reset, teach and TRIGGER, and test mode, against scripted controllers and
// the simulator.
#include "support/controls.h"
#include "support/link_fixture.h"
#include "support/simulator_line.h"

#include "link/command.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "testmode/test_mode.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QAbstractButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <string>

namespace telvar::test {
namespace {

class Actions : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_test_panel();
        set_main_buttons(1, 1, 1);
        set_test_panel_controls(1, 0);
    }
    // A controller that answers word 0 = `ack` to the acknowledged orders and
    // echoes test data; good at the line check.
    void start_peer(int ack)
    {
        peer = std::make_unique<TcpPeer>(good_controller);
        connect_tcp(*peer);
        ASSERT_EQ(tcpcon, 1);
        peer->requests.clear();
        statuses.clear();
        peer->script = [ack](const QByteArray& r) -> std::optional<Reply> {
            const int code = order_of(r);
            if (code == ORDER_TEST_DATA || code == ORDER_READ_RAM || code == ORDER_READ_EEPROM) {
                QByteArray answer = r;
                return Reply{answer};
            }
            return Reply{answer_frame(code, {ack})};
        };
    }
    static void press(int panel, int control) { CallCtrlCallback(panel, control, EVENT_COMMIT, 0, 0); }
    static void click(int control) { qobject_cast<QAbstractButton*>(ControlWidget(panelTEST, control))->click(); }

    std::unique_ptr<TcpPeer> peer;
};

TEST_F(Actions, ResetIsOneFrameAndAcknowledged)
{
    start_peer(ANSWER_ACK);
    press(panelMAIN, MAIN_CMD_RESET);
    ASSERT_EQ(peer->requests.size(), 1);
    EXPECT_EQ(peer->requests[0], QByteArray::fromHex("0055000d") + QByteArray(32, '\0'));
    EXPECT_EQ(statuses.front(), "Reseting data ... ");
    EXPECT_EQ(statuses.back(), "Reseting data ... Success!");
}

TEST_F(Actions, TeachWithAWrongAcknowledgeFetchesNothing)
{
    start_peer(0x0055);
    lower_stop_flag();
    press(panelMAIN, MAIN_CMD_TEACH);
    EXPECT_EQ(peer->requests.size(), 1);
    EXPECT_EQ(statuses.back(), "Error! Sensor echo incorrect.");
    EXPECT_EQ(stop_flag, 0) << "a wrong acknowledge stops nothing";
    EXPECT_FALSE(dimmed(panelMAIN, MAIN_CMD_RUN));
    raise_stop_flag();
}

TEST_F(Actions, ATeachWithTargetEepromFetchesFromTheEeprom)
{
    start_peer(ANSWER_ACK);
    CallCtrlCallback(panelMAIN, MAIN_RADIO_EEPROM, EVENT_COMMIT, 0, 0);
    press(panelMAIN, MAIN_CMD_TEACH);
    CallCtrlCallback(panelMAIN, MAIN_RADIO_RAM, EVENT_COMMIT, 0, 0);
    ASSERT_EQ(peer->requests.size(), 4);
    EXPECT_EQ(order_of(peer->requests[0]), ORDER_TEACH);
    EXPECT_EQ(order_of(peer->requests[1]), ORDER_READ_EEPROM);
    EXPECT_EQ(statuses.back(), "Parameter loaded from sensor.");
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Sending TEACH order ... Success!"), statuses.end());
}

TEST_F(Actions, TriggerAndRecorderSendNothing)
{
    start_peer(ANSWER_ACK);
    press(panelMAIN, MAIN_CMD_TRIGGER);
    dialogs.expect_file_dialog("Record live samples to", ModalAnswer{VAL_NO_FILE_SELECTED, ""});
    press(panelMAIN, MAIN_CMD_RECORDER);
    EXPECT_TRUE(peer->requests.empty());
    EXPECT_TRUE(statuses.empty());
}

TEST_F(Actions, EnteringTestModeHandsTheControlsToTheTestPage)
{
    start_peer(0x00AB);
    press(panelTEST, TEST_CMD_ENTER);
    EXPECT_EQ(statuses.back(), "Error! Sensor echo incorrect.");
    EXPECT_FALSE(dimmed(panelMAIN, MAIN_CMD_RUN)) << "no enabling changes";
    EXPECT_TRUE(dimmed(panelTEST, TEST_NUM_WORD0));

    start_peer(ANSWER_ACK);
    press(panelTEST, TEST_CMD_ENTER);
    EXPECT_EQ(statuses.back(), "Entering testmode ... Success!");
    for (int control : {MAIN_CMD_RUN, MAIN_CMD_RESET, MAIN_BTN_SEND})
        EXPECT_TRUE(dimmed(panelMAIN, control));
    EXPECT_FALSE(dimmed(panelTEST, TEST_NUM_WORD0));
    EXPECT_FALSE(dimmed(panelTEST, TEST_LAMP_1));

    press(panelTEST, TEST_CMD_EXIT);
    EXPECT_EQ(statuses.back(), "Restarting normal mode ... Success!");
    EXPECT_FALSE(dimmed(panelMAIN, MAIN_CMD_RUN));
    EXPECT_TRUE(dimmed(panelTEST, TEST_NUM_WORD0));
}

TEST_F(Actions, EachCommittedTestControlSendsOneFrameWithWord2)
{
    start_peer(ANSWER_ACK);
    press(panelTEST, TEST_CMD_ENTER);
    SetCtrlVal(panelTEST, TEST_SWITCH_INVERTED, 1);
    peer->requests.clear();

    click(TEST_SWITCH_1);
    ASSERT_EQ(peer->requests.size(), 1);
    EXPECT_EQ(order_of(peer->requests[0]), ORDER_TEST_DATA);
    EXPECT_EQ(word_of(peer->requests[0], 2), 0x0001);

    click(TEST_SWITCH_1);
    click(TEST_SWITCH_INVERTED);
    EXPECT_EQ(word_of(peer->requests.back(), 2), 0x0080) << "everything off";

    click(TEST_LAMP_1);  // on, red
    EXPECT_EQ(word_of(peer->requests.back(), 2) & 0x0024, 0x0004);
    click(TEST_LAMP_1);  // off: green next
    EXPECT_EQ(word_of(peer->requests.back(), 2) & 0x0024, 0);
    int colour = -1;
    GetCtrlAttribute(panelTEST, TEST_LAMP_1, ATTR_ON_COLOR, &colour);
    EXPECT_EQ(colour, VAL_GREEN);
    click(TEST_LAMP_1);
    EXPECT_EQ(word_of(peer->requests.back(), 2) & 0x0024, 0x0020);

    qobject_cast<QSpinBox*>(ControlWidget(panelTEST, TEST_NUM_WORD10))->setValue(-2);
    EXPECT_EQ(word_of(peer->requests.back(), 10), 0xFFFE) << "the low 16 bits";
    EXPECT_EQ(peer->requests.size(), 7) << "one frame for each committed control";
    EXPECT_EQ(statuses.back(), "Rawdata recieved.");
    int answer10 = -1;
    GetCtrlVal(panelTEST, TEST_ANSWER_10, &answer10);
    EXPECT_EQ(answer10, 0xFFFE) << "the echo is on the answer row";
    press(panelTEST, TEST_CMD_EXIT);
}

class TestModeWithSimulator : public Actions, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        Actions::SetUp();
        // The page as the tool starts it, whatever a test before left lit.
        SetCtrlVal(panelTEST, TEST_LAMP_2, 0);
        setup_test_panel();
    }
    void connect(const Simulator& sim) { open_line(sim, GetParam() == 0 ? Line::Serial : Line::Tcp); }
};

TEST_P(TestModeWithSimulator, TheSimulatorEchoesWhatThePageDrives)
{
    Simulator sim;
    connect(sim);
    press(panelTEST, TEST_CMD_ENTER);
    EXPECT_EQ(statuses.back(), "Entering testmode ... Success!");
    click(TEST_LAMP_2);
    qobject_cast<QSpinBox*>(ControlWidget(panelTEST, TEST_NUM_WORD4))->setValue(1234);
    int word4 = -1;
    int word2 = -1;
    GetCtrlVal(panelTEST, TEST_ANSWER_4, &word4);
    GetCtrlVal(panelTEST, TEST_ANSWER_2, &word2);
    EXPECT_EQ(word4, 1234);
    EXPECT_EQ(word2 & 0x0010, 0x0010) << "lamp 2 lit yellow";
    press(panelTEST, TEST_CMD_EXIT);
    EXPECT_EQ(statuses.back(), "Restarting normal mode ... Success!");
}

// Two switches clicked 0.1 s apart while a slow controller answers: the second
// change waits for the first exchange, so the controller ends up driving
// what the page shows.
TEST_P(TestModeWithSimulator, QuickChangesAllReachASlowController)
{
    Simulator sim({"--delay", "250"});
    connect(sim);
    press(panelTEST, TEST_CMD_ENTER);
    statuses.clear();
    QTimer::singleShot(100, [] { click(TEST_SWITCH_2); });
    click(TEST_SWITCH_1);
    int word2 = -1;
    GetCtrlVal(panelTEST, TEST_ANSWER_2, &word2);
    EXPECT_EQ(word2 & 0x0003, 0x0003) << "the controller echoes the last frame";
    EXPECT_EQ(statuses.back(), "Rawdata recieved.");
    EXPECT_EQ(std::find(statuses.begin(), statuses.end(), BUSY_TEXT), statuses.end());
    press(panelTEST, TEST_CMD_EXIT);
    // The page outlives the test: leave its switches as the next test finds them.
    SetCtrlVal(panelTEST, TEST_SWITCH_1, 0);
    SetCtrlVal(panelTEST, TEST_SWITCH_2, 0);
}

// A line opened anew does not know the controller's test mode: it counts as
// off, never with main commands and test controls usable together.
TEST_P(TestModeWithSimulator, TryAndAcceptInTestModeLeaveItOff)
{
    Simulator sim;
    connect(sim);
    press(panelTEST, TEST_CMD_ENTER);
    ASSERT_FALSE(dimmed(panelTEST, TEST_SWITCH_1));
    press(panelMAIN, MAIN_CMD_CONNECT);
    SetCtrlVal(panelInterf, INTERF_PROTOCOL, GetParam());
    SetCtrlVal(panelInterf, INTERF_COMPORT, sim.com_port());
    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "127.0.0.1");
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER, std::to_string(sim.tcp_port()).c_str());
    press(panelInterf, INTERF_TRY);
    press(panelInterf, INTERF_ACCEPT);
    EXPECT_FALSE(dimmed(panelMAIN, MAIN_CMD_RUN));
    EXPECT_FALSE(dimmed(panelTEST, TEST_CMD_ENTER));
    EXPECT_TRUE(dimmed(panelTEST, TEST_SWITCH_1));
}

TEST_P(TestModeWithSimulator, AHangUpInTestModeIsALostConnection)
{
    // Line check, version, enter: then the line goes.
    Simulator sim({"--close-after", "3"});
    connect(sim);
    if (GetParam() == 1)
        dialogs.expect_notice("TCP Client", "Server has closed connection!");
    press(panelTEST, TEST_CMD_ENTER);
    FastClock fast;
    click(TEST_SWITCH_2);
    EXPECT_EQ(statuses.back(), "Error! Connection lost.");
    EXPECT_TRUE(dimmed(panelMAIN, MAIN_CMD_RUN));
    EXPECT_TRUE(dimmed(panelMAIN, MAIN_BTN_GET));
    // The server's hang-up is announced once the event loop delivers it.
    for (int k = 0; k < 200 && GetParam() == 1 && tcpcon != 0; ++k)
        pump(10);
    set_test_panel_controls(1, 0);
}

INSTANTIATE_TEST_SUITE_P(Lines, TestModeWithSimulator, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "Serial" : "Tcp"; });

}  // namespace
}  // namespace telvar::test
