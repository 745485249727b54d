// SPDX-License-Identifier: GPL-3.0-or-later
// Send and Get between the pages and the controller's RAM or EEPROM, against
// the simulator over TCP and over its pseudo-terminal, and against scripted
// controllers for the frames and the failures.
#include "support/link_fixture.h"
#include "support/record_copy.h"
#include "support/simulator_line.h"

#include "link/com232.h"
#include "link/command.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "app/panel_events.h"
#include "params/change_marks.h"
#include "params/mapping.h"
#include "params/pages.h"
#include "params/record.h"
#include "params/reference.h"
#include "platform/qt_access.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "storage/compare_window.h"
#include "storage/send_get.h"
#include "storage/transfer.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace telvar::test {
namespace {

bool starts_with(const std::string& text, const std::string& start)
{
    return text.rfind(start, 0) == 0;
}

bool holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The question with the changes it lists between what would happen and what it asks.
std::string asked(const char* question, const std::string& listing)
{
    const std::string text = question;
    const std::size_t ask = text.rfind("\n\n");
    return text.substr(0, ask) + "\n\n" + listing + text.substr(ask);
}

// A controller that answers a parameter block with the block as it came.
std::optional<Reply> echoing_controller(const QByteArray& request)
{
    const int code = order_of(request);
    if (code < ORDER_WRITE_RAM || code > ORDER_READ_EEPROM)
        return good_controller(request);
    return Reply{request};
}

class Transfer : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        choose_target(MAIN_RADIO_RAM);
    }
    static void choose_target(int button)
    {
        ControlWidget(panelMAIN, button)->setFocus();
        CallCtrlCallback(panelMAIN, button, EVENT_COMMIT, 0, 0);
    }
    static int progress(int* visible)
    {
        int value = -1;
        GetCtrlVal(panelMAIN, MAIN_PROGRESS, &value);
        GetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, visible);
        return value;
    }
    static void set_page_value(int panel, int control, int value)
    {
        qobject_cast<QSpinBox*>(ControlWidget(panel, control))->setValue(value);
    }
    static std::string description(int panel, int control)
    {
        return ControlWidget(panel, control)->accessibleDescription().toStdString();
    }
    // Whether the mark's dot is painted: before the control's caption, or on
    // the control where it has none.
    static bool mark_shown(int panel, int control)
    {
        QWidget* w = ControlWidget(panel, control);
        QImage image = w->grab().toImage();
        for (const QLabel* label : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->buddy() == w)
                image = w->parentWidget()->grab(QRect(0, label->y(), label->x(), label->height())).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(0xB3, 0x47, 0x00))
                    return true;
        return false;
    }
    // How many objects a screen reader meets beside the control that tell of a change.
    static int told_changed(int panel, int control)
    {
        QAccessibleInterface* around =
            QAccessible::queryAccessibleInterface(ControlWidget(panel, control)->parentWidget());
        int told = 0;
        for (int k = 0; k < around->childCount(); ++k)
            for (QAccessible::Text text : {QAccessible::Name, QAccessible::Description})
                told += around->child(k)->text(text).contains("changed") ? 1 : 0;
        return told;
    }
    static int page_value(int panel, int control)
    {
        int v = 0;
        GetCtrlVal(panel, control, &v);
        return v;
    }
};

TEST_F(Transfer, TargetButtonsAreOneRadioGroupWithRamFirst)
{
    EXPECT_EQ(target, RAM);
    choose_target(MAIN_RADIO_FILE);
    EXPECT_EQ(target, DATFILE);
    choose_target(MAIN_RADIO_EEPROM);
    EXPECT_EQ(target, EEPROM);
    for (int button : {MAIN_RADIO_RAM, MAIN_RADIO_EEPROM, MAIN_RADIO_FILE}) {
        int on = -1;
        GetCtrlVal(panelMAIN, button, &on);
        EXPECT_EQ(on, button == MAIN_RADIO_EEPROM ? 1 : 0);
    }
}

TEST_F(Transfer, SendFramesTheBlocksWithTheirNumbersAndCodes)
{
    for (const auto& [button, codes] : {std::pair{MAIN_RADIO_RAM, std::array{1, 1, 1}},
                                        std::pair{MAIN_RADIO_EEPROM, std::array{1, 1, 3}}}) {
        TcpPeer peer(echoing_controller);
        connect_tcp(peer);
        ASSERT_EQ(tcpcon, 1);
        peer.requests.clear();
        statuses.clear();
        choose_target(button);
        SendParameter();
        ASSERT_EQ(peer.requests.size(), 3);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(order_of(peer.requests[k]), codes[k]);
            EXPECT_EQ(word_of(peer.requests[k], 0), k + 1);
        }
        EXPECT_EQ(statuses, (std::vector<std::string>{"Parameter set 'A' sent to sensor.",
                                                      "Parameter set 'B' sent to sensor.",
                                                      "Parameter saved to sensor."}));
        int visible = -1;
        EXPECT_EQ(progress(&visible), 100);
        EXPECT_EQ(visible, 0);
        InitTCP_IP(0);
    }
}

TEST_F(Transfer, GetAsksWithTheCodeTheControllerEchoedLast)
{
    // The controller answers every read with code 9: the later frames carry it.
    TcpPeer peer([](const QByteArray& r) -> std::optional<Reply> {
        const int code = order_of(r);
        if (code == ORDER_READ_RAM || code == ORDER_READ_EEPROM || code == 9)
            return Reply{answer_frame(9, {word_of(r, 0), 11, 12})};
        return good_controller(r);
    });
    connect_tcp(peer);
    peer.requests.clear();
    choose_target(MAIN_RADIO_EEPROM);
    GetParameter();
    ASSERT_EQ(peer.requests.size(), 3);
    EXPECT_EQ(order_of(peer.requests[0]), ORDER_READ_EEPROM);
    EXPECT_EQ(order_of(peer.requests[1]), 9);
    EXPECT_EQ(order_of(peer.requests[2]), 9);
    EXPECT_EQ(parameter[BLOCK_B + 1], 11);
    EXPECT_EQ(statuses.back(), "Parameter loaded from sensor.");

    peer.requests.clear();
    choose_target(MAIN_RADIO_RAM);
    GetParameter();
    EXPECT_EQ(order_of(peer.requests[0]), ORDER_READ_RAM);
}

TEST_F(Transfer, AWrongSyncWordOnTheFirstFrameHidesTheProgress)
{
    TcpPeer peer(good_controller);
    connect_tcp(peer);
    peer.script = [](const QByteArray& r) -> std::optional<Reply> {
        return Reply{answer_frame_with_sync(0x5500, order_of(r))};
    };
    statuses.clear();
    lower_stop_flag();
    GetParameter();
    EXPECT_EQ(statuses.back(), "Error! Sensor echo incorrect.");
    int visible = -1;
    progress(&visible);
    EXPECT_EQ(visible, 0);
    EXPECT_EQ(stop_flag, 1);
    int dimmed = -1;
    GetCtrlAttribute(panelMAIN, MAIN_BTN_GET, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
}

TEST_F(Transfer, TheFileTargetNeverTouchesTheLink)
{
    TcpPeer peer(good_controller);
    connect_tcp(peer);
    peer.requests.clear();
    choose_target(MAIN_RADIO_FILE);
    dialogs.expect_file_dialog("TELVAR-K20 Parameter File", ModalAnswer{0, ""});
    SendParameter();
    dialogs.expect_file_dialog("TELVAR-K20 Parameter File", ModalAnswer{0, ""});
    GetParameter();
    EXPECT_TRUE(peer.requests.empty());
    EXPECT_EQ(statuses[statuses.size() - 2], "Parameter saving to file failed.");
    EXPECT_EQ(statuses.back(), "Parameter load from file failed.");
}

// The same against the simulator, over both lines.
class TransferWithSimulator : public Transfer, public ::testing::WithParamInterface<int> {
protected:
    void connect(const Simulator& sim) { open_line(sim, GetParam() == 0 ? Line::Serial : Line::Tcp); }
};

TEST_P(TransferWithSimulator, ValuesSentToEepromComeBackAfterARestart)
{
    QTemporaryDir dir;
    const QString eeprom = dir.filePath(QStringLiteral("k20.eeprom"));
    {
        Simulator sim({"--eeprom", eeprom});
        connect(sim);
        set_page_value(panelPARAA2, CH2_NUM_REFERENCE, 1500);
        set_page_value(panelPARAB, CHP_NUM_AVERAGING, 7);
        set_page_value(panelEVAL2, EV2_NUM_LOW_TOL, -123);
        choose_target(MAIN_RADIO_EEPROM);
        statuses.clear();
        SendParameter();
        EXPECT_EQ(statuses.back(), "Parameter saved to sensor.");
        InitTCP_IP(0);
        InitRS232(0);
    }
    set_page_value(panelPARAA2, CH2_NUM_REFERENCE, 99);
    set_page_value(panelPARAB, CHP_NUM_AVERAGING, 1);
    set_page_value(panelEVAL2, EV2_NUM_LOW_TOL, -1);
    Simulator again({"--eeprom", eeprom});
    connect(again);
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter loaded from sensor.");
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_REFERENCE), 1500);
    EXPECT_EQ(page_value(panelPARAB, CHP_NUM_AVERAGING), 7);
    EXPECT_EQ(page_value(panelEVAL2, EV2_NUM_LOW_TOL), -123);
    EXPECT_EQ(parameter[CONTROLLER_OWN], 0x0320) << "the controller's own word";
}

TEST_P(TransferWithSimulator, ALineThatDiesDuringChannelBKeepsChannelAAndThePages)
{
    // Line check and version query, then the channel A block: three answers.
    Simulator sim({"--close-after", "3"});
    connect(sim);
    if (GetParam() == 1)
        dialogs.expect_notice("TCP Client", "Server has closed connection!");
    set_page_value(panelPARAA2, CH2_NUM_LASER, 77);
    set_word(BLOCK_A + CH_LASER_POWER, 1);
    statuses.clear();
    GetParameter();
    EXPECT_EQ(statuses.back(), "Error! Connection lost.");
    int visible = -1;
    EXPECT_EQ(progress(&visible), 33);
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(parameter[BLOCK_A + CH_LASER_POWER], 50) << "channel A came from the controller";
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_LASER), 77) << "the pages are not refreshed";
    EXPECT_EQ(stop_flag, 1);
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
}

// The operator clicks Get again while the first waits for a slow controller:
// the second is refused before it touches the pages or the record, and the
// first shows the controller's set.
TEST_P(TransferWithSimulator, ASecondGetDuringTheFirstIsRefusedAndTheFirstShowsTheControllersSet)
{
    Simulator sim({"--delay", "250"});
    connect(sim);
    set_page_value(panelPARAA2, CH2_NUM_LASER, 57);
    SendParameter();
    set_page_value(panelPARAA2, CH2_NUM_LASER, 50);
    statuses.clear();
    dialogs.expect_question(UNSENT_CHANGES_TITLE,
                            asked(GET_OVER_CHANGES_TEXT, "Channel A: limits\n    Laser power: 50, controller: 57"), 2);
    QTimer::singleShot(400, [] { CallCtrlCallback(panelMAIN, MAIN_BTN_GET, EVENT_COMMIT, 0, 0); });
    CallCtrlCallback(panelMAIN, MAIN_BTN_GET, EVENT_COMMIT, 0, 0);
    EXPECT_EQ(statuses.back(), "Parameter loaded from sensor.");
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_LASER), 57);
    EXPECT_EQ(parameter[BLOCK_A + CH_LASER_POWER], 57);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), BUSY_TEXT), statuses.end()) << "the second click";
}

// Against the set last fetched or sent, each control that differs carries a
// mark and tells what the controller holds, as its page shows it; the view
// selector of its page says so too. The value put back, the mark goes.
TEST_F(Transfer, ChangesNotSentAreMarkedWithWhatTheReferenceHolds)
{
    // Laid out as the operator sees them, so that the dots can be looked at.
    DisplayPanel(panelMAIN);
    DisplayPanel(panelPARAA2);
    SetValueChangeHook("change marks", refresh_change_marks);
    set_word(BLOCK_A + CH_LASER_POWER, 57);
    set_word(BLOCK_B + CH_LOW_TOLERANCE, 100);
    set_word(BLOCK_A + CH_VALID_MODE, 0);
    SetPanelValues();
    take_reference(ReferenceKind::Controller);
    EXPECT_FALSE(pages_hold_changes());

    set_page_value(panelPARAA2, CH2_NUM_LASER, 60);
    set_page_value(panelPARAB2, CH2_NUM_LOW_TOL, -120);
    qobject_cast<QAbstractButton*>(ControlWidget(panelPARAA, selector_control(EVENT_SELECTORS[3])))->setChecked(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(pages_hold_changes());
    EXPECT_PRED2(starts_with, description(panelPARAA2, CH2_NUM_LASER), "changed, not sent; controller: 57");
    EXPECT_EQ(ControlWidget(panelPARAA2, CH2_NUM_LASER)->toolTip().toStdString(), "changed, not sent; controller: 57");
    EXPECT_EQ(told_changed(panelPARAA2, CH2_NUM_LASER), 1) << "the field alone, no extra label";
    EXPECT_PRED2(starts_with, description(panelPARAB2, CH2_NUM_LOW_TOL), "changed, not sent; controller: -100");
    EXPECT_PRED2(starts_with, description(panelPARAA, selector_control(EVENT_SELECTORS[3])),
                 "changed, not sent; controller: off");
    EXPECT_FALSE(holds(description(panelPARAA2, CH2_NUM_REFERENCE), "changed"));
    EXPECT_TRUE(mark_shown(panelPARAA2, CH2_NUM_LASER));
    EXPECT_FALSE(mark_shown(panelPARAA2, CH2_NUM_REFERENCE));
    // The view that shows the field: "Scope + Set" and its page selectors for the second pages.
    for (int view : {MAIN_VIEW_CHA, MAIN_VIEW_SCOPE_SET, MAIN_DATA_CHA, MAIN_DATA_CHB})
        EXPECT_PRED2(holds, description(panelMAIN, view), "holds changes not sent");
    for (int view : {MAIN_VIEW_CHB, MAIN_VIEW_EVAL, MAIN_VIEW_OUTPUTS, MAIN_DATA_EVAL})
        EXPECT_FALSE(holds(description(panelMAIN, view), "changes"));
    EXPECT_TRUE(mark_shown(panelMAIN, MAIN_VIEW_SCOPE_SET));
    EXPECT_FALSE(mark_shown(panelMAIN, MAIN_VIEW_CHB));

    set_page_value(panelPARAA2, CH2_NUM_LASER, 57);
    set_page_value(panelPARAB2, CH2_NUM_LOW_TOL, -100);
    QCoreApplication::processEvents();
    EXPECT_FALSE(mark_shown(panelPARAA2, CH2_NUM_LASER));
    EXPECT_TRUE(ControlWidget(panelPARAA2, CH2_NUM_LASER)->toolTip().isEmpty());
    EXPECT_FALSE(holds(description(panelMAIN, MAIN_VIEW_SCOPE_SET), "changes"));
    EXPECT_PRED2(holds, description(panelMAIN, MAIN_VIEW_CHA), "holds changes not sent") << "the selector";

    take_reference(ReferenceKind::File);
    set_page_value(panelPARAA2, CH2_NUM_LASER, 58);
    QCoreApplication::processEvents();
    EXPECT_PRED2(starts_with, description(panelPARAA2, CH2_NUM_LASER), "changed, not sent; file: 57");
    SetValueChangeHook("change marks", nullptr);
    HidePanel(panelMAIN);
}

// Nothing changed on the pages is lost unasked: a Get and the window's close
// ask first; Cancel keeps the pages (and the window), Discard gets, Send
// sends before it gets. A Get that TEACH makes on purpose asks nothing.
TEST_P(TransferWithSimulator, GetAndCloseAskBeforeChangesNotSentAreLost)
{
    Simulator sim;
    connect(sim);
    CallCtrlCallback(panelMAIN, MAIN_BTN_GET, EVENT_COMMIT, 0, 0);
    const int held = page_value(panelPARAA2, CH2_NUM_LASER);
    const auto get = [] { CallCtrlCallback(panelMAIN, MAIN_BTN_GET, EVENT_COMMIT, 0, 0); };

    // The question lists the changes with what the controller holds, and its
    // Send names the target.
    const std::string over_held =
        asked(GET_OVER_CHANGES_TEXT, "Channel A: limits\n    Laser power: " + std::to_string(held + 3)
                                         + ", controller: " + std::to_string(held));
    set_page_value(panelPARAA2, CH2_NUM_LASER, held + 3);
    dialogs.expect_question(UNSENT_CHANGES_TITLE, over_held, 3);
    get();
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_LASER), held + 3) << "Cancel";
    EXPECT_EQ(dialogs.shown.back().buttons, (std::vector<std::string>{"Send to RAM", "Discard", "Cancel"}));
    dialogs.expect_question(UNSENT_CHANGES_TITLE, over_held, 2);
    get();
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_LASER), held) << "Discard";
    EXPECT_FALSE(pages_hold_changes());

    set_page_value(panelPARAA2, CH2_NUM_LASER, held + 3);
    choose_target(MAIN_RADIO_EEPROM);
    dialogs.expect_question(UNSENT_CHANGES_TITLE, over_held, 1);
    get();
    EXPECT_EQ(dialogs.shown.back().buttons.front(), "Send to EEPROM");
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_LASER), held + 3) << "sent, then fetched back";
    EXPECT_FALSE(pages_hold_changes());
    choose_target(MAIN_RADIO_RAM);

    set_page_value(panelPARAA2, CH2_NUM_LASER, held + 5);
    CallCtrlCallback(panelMAIN, MAIN_CMD_TEACH, EVENT_COMMIT, 0, 0);
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_LASER), held + 3) << "TEACH fetched without asking";

    // Twelve changes: the first ten in the pages' order under their pages' names.
    std::string listing;
    for (const auto& [page, name] : {std::pair{panelPARAA2, "Channel A: limits"}, {panelPARAB2, "Channel B: limits"}}) {
        listing += std::string(listing.empty() ? "" : "\n") + name;
        for (const auto& [control, caption] : {std::pair{CH2_NUM_LASER, "Laser power"},
                                               {CH2_NUM_TRIGGER, "Trigger level"},
                                               {CH2_NUM_REFERENCE, "Reference value"},
                                               {CH2_NUM_HIGH_TOL, "High tolerance"},
                                               {CH2_NUM_LOW_TOL, "Low tolerance"}}) {
            const int was = page_value(page, control);
            set_page_value(page, control, was + 1);
            listing += std::string("\n    ") + caption + ": " + std::to_string(was + 1) + ", controller: "
                + std::to_string(was);
        }
    }
    for (int control : {EV2_NUM_REFERENCE, EV2_NUM_LOW_TOL})
        set_page_value(panelEVAL2, control, page_value(panelEVAL2, control) + 1);
    dialogs.expect_question(UNSENT_CHANGES_TITLE,
                            asked(CLOSE_OVER_CHANGES_TEXT, listing + "\n... and 2 more changes."), 3);
    CC_MAIN_PANEL(panelMAIN, EVENT_CLOSE, nullptr, 0, 0);
    EXPECT_EQ(tcpcon + rs232con, 1) << "Cancel: the window stays, its line open";
    dialogs.check_all_shown();
}

INSTANTIATE_TEST_SUITE_P(Lines, TransferWithSimulator, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "Serial" : "Tcp"; });

// Compare: the pages against the controller's set or a file, the differences
// listed in their window, taken from there onto the pages.
class Compare : public Transfer {
protected:
    void SetUp() override
    {
        Transfer::SetUp();
        SetValueChangeHook("change marks", refresh_change_marks);
    }
    void TearDown() override
    {
        press(COMPARE_CLOSE);
        SetValueChangeHook("change marks", nullptr);
        Transfer::TearDown();
    }
    static void press(int control) { CallCtrlCallback(panelCOMPARE, control, EVENT_COMMIT, 0, 0); }
    static void compare() { CallCtrlCallback(panelMAIN, MAIN_BTN_COMPARE, EVENT_COMMIT, 0, 0); }
    static QTableView* table() { return qobject_cast<QTableView*>(ControlWidget(panelCOMPARE, COMPARE_TABLE)); }
    static bool window_shown() { return PanelWidget(panelCOMPARE)->isVisible(); }
    static std::string summary()
    {
        return qobject_cast<QLabel*>(ControlWidget(panelCOMPARE, COMPARE_SUMMARY))->text().toStdString();
    }
    static std::string cell(int row, int column)
    {
        const QAbstractItemModel* model = table()->model();
        return model->data(model->index(row, column)).toString().toStdString();
    }
    static int rows() { return table()->model() ? table()->model()->rowCount() : 0; }
    // The row of a key, -1 when it is not listed.
    static int row_of(const std::string& key)
    {
        for (int row = 0; row < rows(); ++row)
            if (cell(row, 2) == key)
                return row;
        return -1;
    }
    static void select_row(const std::string& key)
    {
        table()->clearSelection();
        table()->selectRow(row_of(key));
    }
    // Clicked as the operator clicks it, its group's rules applied.
    static void click_selector(int index)
    {
        qobject_cast<QAbstractButton*>(ControlWidget(panelPARAA, selector_control(EVENT_SELECTORS[index])))->click();
    }
};

// The three frames of a Get fill the record; Compare puts it back, and reads
// the pages without writing a word onto them.
TEST_F(Compare, ListsTheWordsChangedOnThePagesAndChangesNeitherRecordNorPages)
{
    Simulator sim;
    open_line(sim, Line::Tcp);
    GetParameter();
    set_page_value(panelPARAA2, CH2_NUM_LASER, 60);
    set_page_value(panelPARAB2, CH2_NUM_LOW_TOL, -120);
    click_selector(3);
    // On no page: as a file loaded earlier leaves it.
    set_word(BLOCK_A + CH_HYSTERESIS, static_cast<std::uint16_t>(parameter[BLOCK_A + CH_HYSTERESIS] + 5));
    const Record before = record();
    const auto pages = pages_record();
    choose_target(MAIN_RADIO_EEPROM);

    compare();
    EXPECT_EQ(record(), before);
    EXPECT_EQ(pages_record(), pages);
    ASSERT_TRUE(window_shown());
    EXPECT_EQ(summary(), "Pages compared with Controller EEPROM: 4 differences in 44 words");
    EXPECT_EQ(statuses.back(), summary());
    EXPECT_EQ(table()->model()->headerData(4, Qt::Horizontal).toString(), "Controller EEPROM");
    ASSERT_EQ(rows(), 4);
    const int laser = row_of("[CHANNEL A] Laser Power Setting");
    ASSERT_GE(laser, 0);
    EXPECT_EQ(cell(laser, 0), "Channel A: limits");
    EXPECT_EQ(cell(laser, 1), "Laser power");
    EXPECT_EQ(cell(laser, 3), "60");
    EXPECT_EQ(cell(laser, 4), "50");
    const int low = row_of("[CHANNEL B] Low Tolerance");
    ASSERT_GE(low, 0);
    EXPECT_EQ(cell(low, 3), "-120");
    EXPECT_EQ(cell(low, 4), "-250");
    const int valid = row_of("[CHANNEL A] Result Valid Mode");
    ASSERT_GE(valid, 0);
    EXPECT_EQ(cell(valid, 3), "RESULT VALID ON: CHANNEL A HIGH STATE");
    EXPECT_EQ(cell(valid, 4), "RESULT VALID ON: EVERY SAMPLE");
    const int hysteresis = row_of("[CHANNEL A] Trigger Hysteresis");
    ASSERT_GE(hysteresis, 0);
    EXPECT_EQ(cell(hysteresis, 0), "(no page)");

    // A window to a screen reader, which Esc and Ctrl+W close as its close box does.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(PanelWidget(panelCOMPARE))->role(), QAccessible::Dialog);
    for (const QKeyCombination key :
         {QKeyCombination(Qt::ControlModifier, Qt::Key_W), QKeyCombination(Qt::Key_Escape)}) {
        if (!window_shown())
            compare();
        ASSERT_TRUE(QTest::qWaitForWindowActive(PanelWidget(panelCOMPARE)));
        QTest::keyClick(table(), key.key(), key.keyboardModifiers());
        EXPECT_FALSE(window_shown()) << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(rows(), 0) << "the comparison is let go";
    }
}

// A value taken comes onto its page as the page shows it, and leaves the
// list; Take all leaves nothing listed and the pages as the controller holds
// them, a word on no page in the record.
TEST_F(Compare, TakingValuesPutsTheControllersOnThePages)
{
    Simulator sim;
    open_line(sim, Line::Tcp);
    GetParameter();
    const Record controller = record();
    set_page_value(panelPARAA2, CH2_NUM_LASER, 60);
    set_page_value(panelPARAB2, CH2_NUM_LOW_TOL, -120);
    set_page_value(panelEVAL2, EV2_NUM_LOW_TOL, -7);
    click_selector(3);
    set_word(BLOCK_B + CH_HYSTERESIS, static_cast<std::uint16_t>(parameter[BLOCK_B + CH_HYSTERESIS] + 5));
    compare();
    ASSERT_EQ(rows(), 5);

    QCoreApplication::processEvents();
    EXPECT_PRED2(holds, description(panelPARAB2, CH2_NUM_LOW_TOL), "changed, not sent");

    select_row("[CHANNEL B] Low Tolerance");
    press(COMPARE_TAKE);
    EXPECT_EQ(page_value(panelPARAB2, CH2_NUM_LOW_TOL), -static_cast<int>(controller[BLOCK_B + CH_LOW_TOLERANCE]));
    EXPECT_EQ(page_value(panelPARAA2, CH2_NUM_LASER), 60) << "a row not selected";
    EXPECT_EQ(rows(), 4);
    EXPECT_EQ(row_of("[CHANNEL B] Low Tolerance"), -1);
    EXPECT_EQ(summary(), "Pages compared with Controller RAM: 4 differences in 44 words");
    EXPECT_EQ(statuses.back(), summary());
    // Taken back to the controller's value, the field is no longer marked.
    QCoreApplication::processEvents();
    EXPECT_FALSE(holds(description(panelPARAB2, CH2_NUM_LOW_TOL), "changed"));
    EXPECT_PRED2(holds, description(panelPARAA2, CH2_NUM_LASER), "changed, not sent");

    press(COMPARE_TAKE_ALL);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(summary(), "Pages compared with Controller RAM: No difference in 44 words.");
    EXPECT_EQ(pages_record(), controller);
    EXPECT_EQ(parameter[BLOCK_B + CH_HYSTERESIS], controller[BLOCK_B + CH_HYSTERESIS]);
    int dimmed = 0;
    GetCtrlAttribute(panelCOMPARE, COMPARE_TAKE_ALL, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
}

// Get keeps the blocks that came before a line died; Compare keeps none of
// them, and reports the failure as Get does.
TEST_F(Compare, AFetchThatFailsShowsNoTableAndLeavesTheRecord)
{
    Simulator sim({"--close-after", "3"});
    open_line(sim, Line::Tcp);
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    const Record before = record();
    compare();
    EXPECT_EQ(statuses.back(), "Error! Connection lost.");
    EXPECT_EQ(record(), before);
    EXPECT_FALSE(window_shown());
    EXPECT_EQ(stop_flag, 1);
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
}

// A file speaks for the words it holds; one without a parameter is refused.
// The list goes out as CSV, a field with commas quoted; a file that cannot
// be written is said so.
TEST_F(Compare, AFileIsComparedByTheWordsItHoldsAndTheListExportsAsCsv)
{
    set_word(BLOCK_A + CH_LASER_POWER, 50);
    set_word(BLOCK_A + CH_VALID_MODE, 24);
    set_word(BLOCK_A + CH_REFERENCE, 2048);
    SetPanelValues();
    take_reference(ReferenceKind::Controller);
    QTemporaryDir dir;
    const auto write = [&](const char* name, const char* text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return dir.filePath(name).toStdString();
    };
    const std::string set = write("set.ini", "[CHANNEL A]\nLaser Power Setting = 57\nResult Valid Mode = 28\n"
                                             "Reference Value = 2048\n");
    const std::string other = write("notes.ini", "[NOTES]\nnothing = 1\n");
    choose_target(MAIN_RADIO_FILE);

    dialogs.expect_file_dialog("TELVAR-K20 Parameter File", ModalAnswer{VAL_EXISTING_FILE_SELECTED, other});
    dialogs.expect_message("ERROR", "No TELVAR-K20 parameter found in " + other + ".");
    compare();
    EXPECT_FALSE(window_shown());
    EXPECT_EQ(statuses.back(), COMPARE_FILE_FAILED_TEXT);

    dialogs.expect_file_dialog("TELVAR-K20 Parameter File", ModalAnswer{VAL_EXISTING_FILE_SELECTED, set});
    compare();
    ASSERT_TRUE(window_shown());
    EXPECT_EQ(summary(), "Pages compared with File set.ini: 2 differences in 3 words");

    const std::string csv = dir.filePath("differences.csv").toStdString();
    dialogs.expect_file_dialog("Export Comparison", ModalAnswer{VAL_NEW_FILE_SELECTED, csv});
    press(COMPARE_EXPORT);
    QFile written(QString::fromStdString(csv));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(),
              "Page,Parameter,Key,Pages,File set.ini\r\n"
              "Channel A: limits,Laser power,[CHANNEL A] Laser Power Setting,50,57\r\n"
              "Channel A: data and conditions,Result valid,[CHANNEL A] Result Valid Mode,"
              "\"RESULT VALID ON: CHANNEL A POS. EDGE, ... (word 24)\","
              "\"RESULT VALID ON: CHANNEL A POS. EDGE, ... (word 28)\"\r\n");

    // A German window exports the same English file.
    ASSERT_EQ(install_language("de"), "de");
    const std::string german = dir.filePath("unterschiede.csv").toStdString();
    dialogs.expect_file_dialog(tr_text("Compare", "Export Comparison"), ModalAnswer{VAL_NEW_FILE_SELECTED, german});
    press(COMPARE_EXPORT);
    install_language("en");
    QFile german_written(QString::fromStdString(german));
    ASSERT_TRUE(german_written.open(QIODevice::ReadOnly));
    written.seek(0);
    EXPECT_EQ(german_written.readAll().toStdString(), written.readAll().toStdString());

    const std::string nowhere = dir.filePath("gone/differences.csv").toStdString();
    dialogs.expect_file_dialog("Export Comparison", ModalAnswer{VAL_NEW_FILE_SELECTED, nowhere});
    dialogs.expect_message("ERROR", "The comparison could not be saved to " + nowhere + ".");
    press(COMPARE_EXPORT);

    // Taken from the file, the laser power differs from the controller's at once.
    select_row("[CHANNEL A] Laser Power Setting");
    press(COMPARE_TAKE);
    QCoreApplication::processEvents();
    EXPECT_PRED2(starts_with, description(panelPARAA2, CH2_NUM_LASER), "changed, not sent; controller: 50");
    EXPECT_PRED2(holds, description(panelMAIN, MAIN_VIEW_SCOPE_SET), "holds changes not sent");
    EXPECT_EQ(statuses.back(), "Pages compared with File set.ini: 1 difference in 3 words");
}

}  // namespace
}  // namespace telvar::test
