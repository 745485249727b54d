// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the working views of the main window with the view and data
// selectors, clicked as the operator clicks them.
#include "support/link_fixture.h"

#include "app/navigation.h"
#include "app/window_layout.h"
#include "link/com232.h"
#include "link/command.h"
#include "params/mapping.h"
#include "params/pages.h"
#include "params/record.h"
#include "platform/print.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"
#include "support/pdf_reading.h"
#include "support/record_copy.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

namespace telvar::test {
namespace {

constexpr int kViews[] = {MAIN_VIEW_CHA,    MAIN_VIEW_CHB,    MAIN_VIEW_EVAL,      MAIN_VIEW_OUTPUTS,
                          MAIN_VIEW_UPDATE, MAIN_VIEW_TEST,   MAIN_VIEW_SCOPE_SET, MAIN_VIEW_SCOPE};
constexpr int kDataSelectors[] = {MAIN_DATA_CHA, MAIN_DATA_CHB, MAIN_DATA_EVAL};

class Navigation : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        DisplayPanel(panelMAIN);
        SetActivePanel(panelMAIN);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == PanelWidget(panelMAIN); }, 1000));
    }

    static std::vector<int> children()
    {
        return {panelPARAA, panelPARAA2, panelPARAB, panelPARAB2, panelEVAL,
                panelEVAL2, panelOUTPUTS, panelUPDATE, panelTEST};
    }
    static void click(int control) { QTest::mouseClick(ControlWidget(panelMAIN, control), Qt::LeftButton); }
    static int value(int control)
    {
        int v = -1;
        GetCtrlVal(panelMAIN, control, &v);
        return v;
    }
    static int attribute(int control, int attr)
    {
        int v = -1;
        GetCtrlAttribute(panelMAIN, control, attr, &v);
        return v;
    }
    // The toggles of a group that are on.
    template <std::size_t N>
    static std::vector<int> on(const int (&group)[N])
    {
        std::vector<int> found;
        for (int toggle : group)
            if (value(toggle) == 1)
                found.push_back(toggle);
        return found;
    }
    // The child panels that can be seen; the main panel is shown.
    static std::vector<int> shown_children()
    {
        std::vector<int> found;
        for (int panel : children())
            if (PanelWidget(panel)->isVisible())
                found.push_back(panel);
        return found;
    }
    // No button of the main window covers another: a button added to a row
    // must find its room, and one that follows the right edge must not run
    // into one that stays.
    static void expect_buttons_apart()
    {
        const auto buttons = PanelWidget(panelMAIN)->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
        for (qsizetype a = 0; a < buttons.size(); ++a)
            for (qsizetype b = a + 1; b < buttons.size(); ++b)
                EXPECT_FALSE(buttons[a]->geometry().intersects(buttons[b]->geometry()))
                    << buttons[a]->objectName().toStdString() << " and " << buttons[b]->objectName().toStdString();
    }
    static void expect_scope_width(int width)
    {
        EXPECT_EQ(attribute(MAIN_STRIPCHART, ATTR_WIDTH), width);
        EXPECT_EQ(attribute(MAIN_GRAPH, ATTR_WIDTH), width);
    }
    // The keyboard goes to the page: the focus lies on it or on one of its controls.
    static void expect_focus_in(int panel)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus == PanelWidget(panel) || PanelWidget(panel)->isAncestorOf(focus))
            << "focus on " << focus->objectName().toStdString();
        EXPECT_EQ(GetActivePanel(), panel);
    }
};

TEST_F(Navigation, FirstRowViewShowsOnlyItsPageAndTakesTheFocus)
{
    const std::map<int, int> pages = {{MAIN_VIEW_CHA, panelPARAA},     {MAIN_VIEW_CHB, panelPARAB},
                                      {MAIN_VIEW_EVAL, panelEVAL},     {MAIN_VIEW_OUTPUTS, panelOUTPUTS},
                                      {MAIN_VIEW_UPDATE, panelUPDATE}, {MAIN_VIEW_TEST, panelTEST}};
    for (const auto& [view, page] : pages) {
        SCOPED_TRACE(ControlWidget(panelMAIN, view)->objectName().toStdString());
        click(view);
        EXPECT_EQ(on(kViews), std::vector<int>{view});
        EXPECT_EQ(shown_children(), std::vector<int>{page});
        EXPECT_EQ(GetActivePanel(), page);
    }
}

TEST_F(Navigation, ScopeWithSettingsNarrowsTheScopeBesideChannelASecondPage)
{
    click(MAIN_VIEW_TEST);
    click(MAIN_VIEW_SCOPE_SET);

    EXPECT_EQ(on(kViews), std::vector<int>{MAIN_VIEW_SCOPE_SET});
    EXPECT_EQ(shown_children(), std::vector<int>{panelPARAA2});
    expect_scope_width(SCOPE_NARROW_WIDTH);
    EXPECT_EQ(on(kDataSelectors), std::vector<int>{MAIN_DATA_CHA});
    for (int toggle : kDataSelectors)
        EXPECT_TRUE(ControlWidget(panelMAIN, toggle)->isVisible());
    EXPECT_FALSE(ControlWidget(panelMAIN, MAIN_NUM_EVAL)->isVisible());
    EXPECT_FALSE(ControlWidget(panelMAIN, MAIN_NUM_EVAL_CAPTION)->isVisible());
    EXPECT_EQ(GetActivePanel(), panelPARAA2);
}

TEST_F(Navigation, FullScopeHidesEveryPageAndFocusesTheTraceSelector)
{
    click(MAIN_VIEW_SCOPE_SET);
    click(MAIN_VIEW_SCOPE);

    EXPECT_EQ(on(kViews), std::vector<int>{MAIN_VIEW_SCOPE});
    EXPECT_TRUE(shown_children().empty());
    expect_scope_width(SCOPE_FULL_WIDTH);
    for (int toggle : kDataSelectors)
        EXPECT_FALSE(ControlWidget(panelMAIN, toggle)->isVisible());
    EXPECT_TRUE(ControlWidget(panelMAIN, MAIN_NUM_EVAL)->isVisible());
    EXPECT_TRUE(ControlWidget(panelMAIN, MAIN_NUM_EVAL_CAPTION)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), ControlWidget(panelMAIN, MAIN_TRACE_CHA));
}

TEST_F(Navigation, DataSelectorChoosesTheSecondPageBesideTheScope)
{
    click(MAIN_VIEW_SCOPE_SET);
    const std::map<int, int> pages = {
        {MAIN_DATA_CHB, panelPARAB2}, {MAIN_DATA_EVAL, panelEVAL2}, {MAIN_DATA_CHA, panelPARAA2}};
    for (const auto& [toggle, page] : pages) {
        SCOPED_TRACE(ControlWidget(panelMAIN, toggle)->objectName().toStdString());
        click(toggle);
        EXPECT_EQ(on(kDataSelectors), std::vector<int>{toggle});
        EXPECT_EQ(shown_children(), std::vector<int>{page});
        expect_scope_width(SCOPE_NARROW_WIDTH);
        EXPECT_EQ(GetActivePanel(), page);
    }
    EXPECT_EQ(on(kViews), std::vector<int>{MAIN_VIEW_SCOPE_SET}) << "the view stays";
}

// Evaluation and test take the focus as a panel only; the other pages put it
// on their first field, so that the operator can type at once.
TEST_F(Navigation, PagesGiveTheKeyboardToTheirFirstField)
{
    struct Case {
        int selector;
        int page;
        int control;
    };
    const Case views[] = {{MAIN_VIEW_CHA, panelPARAA, CHP_NUM_PRETRIGGER},
                          {MAIN_VIEW_CHB, panelPARAB, CHP_NUM_PRETRIGGER},
                          {MAIN_VIEW_OUTPUTS, panelOUTPUTS, OUT_RING_PRESET},
                          {MAIN_VIEW_SCOPE_SET, panelPARAA2, CH2_NUM_LASER},
                          {MAIN_DATA_CHB, panelPARAB2, CH2_NUM_LASER},
                          {MAIN_DATA_EVAL, panelEVAL2, EV2_NUM_REFERENCE}};
    for (const Case& c : views) {
        SCOPED_TRACE(ControlWidget(panelMAIN, c.selector)->objectName().toStdString());
        click(c.selector);
        expect_focus_in(c.page);
        QWidget* focus = QApplication::focusWidget();
        QWidget* control = ControlWidget(c.page, c.control);
        EXPECT_TRUE(focus == control || control->isAncestorOf(focus)) << focus->objectName().toStdString();
    }
    for (int view : {MAIN_VIEW_EVAL, MAIN_VIEW_TEST}) {
        click(view);
        expect_focus_in(view == MAIN_VIEW_EVAL ? panelEVAL : panelTEST);
    }
}

TEST_F(Navigation, ClickingTheViewThatIsOnRunsItAgainAndLeavesItOn)
{
    click(MAIN_VIEW_SCOPE_SET);
    click(MAIN_DATA_EVAL);
    click(MAIN_VIEW_SCOPE_SET);
    EXPECT_EQ(on(kViews), std::vector<int>{MAIN_VIEW_SCOPE_SET});
    EXPECT_EQ(on(kDataSelectors), std::vector<int>{MAIN_DATA_CHA});
    EXPECT_EQ(shown_children(), std::vector<int>{panelPARAA2});

    click(MAIN_VIEW_OUTPUTS);
    click(MAIN_VIEW_OUTPUTS);
    EXPECT_EQ(on(kViews), std::vector<int>{MAIN_VIEW_OUTPUTS});
    EXPECT_EQ(shown_children(), std::vector<int>{panelOUTPUTS});
}

TEST_F(Navigation, BackToScopeWithSettingsStartsAgainAtChannelA)
{
    click(MAIN_VIEW_SCOPE_SET);
    click(MAIN_DATA_CHB);
    click(MAIN_VIEW_SCOPE);
    click(MAIN_VIEW_SCOPE_SET);
    EXPECT_EQ(shown_children(), std::vector<int>{panelPARAA2});
    EXPECT_EQ(on(kDataSelectors), std::vector<int>{MAIN_DATA_CHA});
}

TEST_F(Navigation, FirstRowPageCoversTheNarrowedScopeWhichStaysNarrow)
{
    click(MAIN_VIEW_SCOPE_SET);
    click(MAIN_VIEW_CHB);
    EXPECT_EQ(shown_children(), std::vector<int>{panelPARAB});
    expect_scope_width(SCOPE_NARROW_WIDTH);

    click(MAIN_VIEW_SCOPE);
    click(MAIN_VIEW_UPDATE);
    expect_scope_width(SCOPE_FULL_WIDTH);
}

// A larger window gives the scope the added room; the controls under and
// beside it follow; a page keeps its size over a backdrop; back at the
// smallest size everything stands where the panel file puts it.
TEST_F(Navigation, AGrowingWindowGivesTheScopeTheRoomAndLeavesThePagesAsTheyAre)
{
    setup_window_layout();
    click(MAIN_VIEW_SCOPE);
    const int run_left = attribute(MAIN_CMD_RUN, ATTR_LEFT);
    const int run_top = attribute(MAIN_CMD_RUN, ATTR_TOP);
    const int trace_top = attribute(MAIN_TRACE_CHA, ATTR_TOP);
    const int scope_height = attribute(MAIN_STRIPCHART, ATTR_HEIGHT);
    const auto resize = [](int wider, int higher) {
        QWidget* window = PanelWidget(panelMAIN);
        window->resize(window->minimumWidth() + wider, window->minimumHeight() + higher);
        QTest::qWait(50);
    };
    expect_buttons_apart();
    resize(400, 300);
    expect_buttons_apart();
    expect_scope_width(SCOPE_FULL_WIDTH + 400);
    EXPECT_EQ(attribute(MAIN_GRAPH, ATTR_HEIGHT), scope_height + 300);
    EXPECT_EQ(attribute(MAIN_CMD_RUN, ATTR_LEFT), run_left + 400);
    EXPECT_EQ(attribute(MAIN_CMD_RUN, ATTR_TOP), run_top + 300);
    EXPECT_EQ(attribute(MAIN_TRACE_CHA, ATTR_TOP), trace_top + 300);

    click(MAIN_VIEW_SCOPE_SET);
    expect_scope_width(SCOPE_NARROW_WIDTH + 400);
    EXPECT_EQ(PanelWidget(panelPARAA2)->x(), 520 + 400) << "the second page stays beside the scope";

    click(MAIN_VIEW_CHA);
    EXPECT_EQ(PanelWidget(panelPARAA)->geometry(), QRect(110 + 200, 105 + 150, 890, 475))
        << "never stretched, centred in the backdrop's room";
    EXPECT_EQ(attribute(MAIN_PAGE_BACKDROP, ATTR_VISIBLE), 1);
    EXPECT_EQ(attribute(MAIN_PAGE_BACKDROP, ATTR_WIDTH), 890 + 400);

    resize(0, 0);
    expect_scope_width(SCOPE_NARROW_WIDTH);
    EXPECT_EQ(attribute(MAIN_CMD_RUN, ATTR_LEFT), run_left);
    EXPECT_EQ(PanelWidget(panelTEST)->pos(), QPoint(110, 105));
    click(MAIN_VIEW_SCOPE);
    EXPECT_EQ(attribute(MAIN_PAGE_BACKDROP, ATTR_VISIBLE), 0);
}

// Tab walks the window as it reads: the command row, the view column with
// MONITOR at its foot, what the view shows beside it (a page where it
// stands, not the chart it covers), the acquisition buttons, the trace
// switches, and from there the language at the banner's end. A page's
// controls count as one stop here.
TEST_F(Navigation, TabVisitsTheControlsInTheirOrderOnTheScreen)
{
    const std::vector<std::string> head = {
        "CMD_CONNECT", "BTN_SEND",  "BTN_GET",   "BTN_COMPARE",  "RADIO_RAM",    "RADIO_EEPROM",
        "RADIO_FILE",  "CMD_RESET", "CMD_TEACH", "CMD_TRIGGER",  "CMD_RECORDER", "CMD_REPORT",
        "CMD_PRINT",   "VIEW_CHA",  "VIEW_CHB",  "VIEW_EVAL",    "VIEW_OUTPUTS", "VIEW_UPDATE",
        "VIEW_TEST",   "VIEW_SCOPE_SET", "VIEW_SCOPE", "CMD_MONITOR"};
    const std::vector<std::string> tail = {"CMD_RUN",       "CMD_STOP",        "CMD_DATA",    "TRACE_CHA",
                                           "TRACE_CHB",     "TRACE_EVAL",      "TRACE_TRIGGER", "TRACE_UPPER",
                                           "TRACE_REFERENCE", "TRACE_LOWER",   "TRACE_2ND",   "TRACE_3RD",
                                           "CURSORS",       "LANGUAGE"};
    // In this order: a page chosen after Scope + Set covers its selectors too.
    const std::vector<std::pair<int, std::vector<std::string>>> beside = {
        {MAIN_VIEW_SCOPE, {"STRIPCHART", "CHK_STATISTICS", "page"}},
        {MAIN_VIEW_SCOPE_SET, {"STRIPCHART", "DATA_CHA", "DATA_CHB", "DATA_EVAL", "page"}},
        {MAIN_VIEW_CHA, {"page"}},
        {MAIN_VIEW_EVAL, {"page"}},
        {MAIN_VIEW_OUTPUTS, {"page"}},
    };
    place_pages_in_tab_order();
    set_main_buttons(1, 1, 1);
    for (const auto& [view, middle] : beside) {
        SCOPED_TRACE(ControlWidget(panelMAIN, view)->objectName().toStdString());
        click(view);
        std::vector<std::string> expected = head;
        expected.insert(expected.end(), middle.begin(), middle.end());
        expected.insert(expected.end(), tail.begin(), tail.end());
        SetActivePanel(panelMAIN);
        SetActiveCtrl(panelMAIN, MAIN_CMD_CONNECT);
        std::vector<std::string> visited;
        int stops = 0;
        do {
            QWidget* focus = QApplication::focusWidget();
            const bool on_page = focus->window() == PanelWidget(panelMAIN) && focus->parentWidget() != PanelWidget(panelMAIN);
            const std::string place = on_page ? "page" : focus->objectName().toStdString();
            if (visited.empty() || visited.back() != place || place != "page")
                visited.push_back(place);
            QTest::keyClick(focus, Qt::Key_Tab);
        } while (QApplication::focusWidget() != ControlWidget(panelMAIN, MAIN_CMD_CONNECT) && ++stops < 200);
        EXPECT_EQ(visited, expected);
    }
}

// Each command key presses its button from wherever the keyboard is, a
// page's field too; the click then takes the click's way, so a command
// waits its turn. A dimmed button ignores its key. Tooltip and screen
// reader both tell the key.
TEST_F(Navigation, CommandKeysPressTheirButtonsAsAClickDoesUnlessDimmed)
{
    struct Key {
        int control;
        QKeyCombination key;
        bool command;  // talks with the controller: refused while another runs
    };
    const Key keys[] = {
        {MAIN_CMD_CONNECT, Qt::Key_F2, false},  {MAIN_BTN_SEND, Qt::Key_F3, true},
        {MAIN_BTN_GET, Qt::Key_F4, true},       {MAIN_BTN_COMPARE, Qt::Key_F6, true},
        {MAIN_CMD_RUN, Qt::Key_F5, true},       {MAIN_CMD_STOP, Qt::SHIFT | Qt::Key_F5, false},
        {MAIN_CMD_RECORDER, Qt::Key_F7, false}, {MAIN_CMD_REPORT, Qt::Key_F8, false},
        {MAIN_CMD_MONITOR, Qt::Key_F9, false},
    };
    set_main_buttons(1, 1, 1);
    dialogs.expect_file_dialog("Record live samples to", {VAL_NO_FILE_SELECTED, {}});
    dialogs.expect_print_dialog({0, {}});
    const CommandGate running;
    ASSERT_TRUE(running);
    lower_stop_flag();
    for (const Key& k : keys) {
        auto* button = qobject_cast<QAbstractButton*>(ControlWidget(panelMAIN, k.control));
        const QString key = QKeySequence(k.key).toString(QKeySequence::NativeText);
        SCOPED_TRACE(button->objectName().toStdString() + " " + key.toStdString());
        EXPECT_TRUE(button->toolTip().endsWith(" (" + key + ")")) << button->toolTip().toStdString();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        EXPECT_TRUE(face->text(QAccessible::Description).contains(key));
        EXPECT_EQ(face->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                  QStringList{QKeySequence(k.key).toString()});

        SetActivePanel(panelMAIN);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == PanelWidget(panelMAIN); }, 1000));
        click(MAIN_VIEW_CHA);
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        SetCtrlAttribute(panelMAIN, k.control, ATTR_DIMMED, 1);
        QTest::keyClick(QApplication::focusWidget(), k.key.key(), k.key.keyboardModifiers());
        EXPECT_FALSE(button->isDown()) << "a dimmed button is not pressed";
        SetCtrlAttribute(panelMAIN, k.control, ATTR_DIMMED, 0);
        statuses.clear();
        QTest::keyClick(QApplication::focusWidget(), k.key.key(), k.key.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([&] { return pressed.count() == 1; }, 1000));
        if (k.command) {
            EXPECT_EQ(statuses, std::vector<std::string>{BUSY_TEXT});
        }
        HidePanel(panelInterf);
        HidePanel(panelMONITOR);
    }
    EXPECT_EQ(stop_flag, 1) << "STOP was pressed";
    dialogs.check_all_shown();
}

TEST_F(Navigation, PrintSaysWhereThePageWent)
{
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("main window.pdf");
    dialogs.expect_print_dialog({1, pdf.toStdString()});
    click(MAIN_CMD_PRINT);
    dialogs.check_all_shown();
    EXPECT_EQ(statuses.back(), "Main window printed to file " + pdf.toStdString() + ".");
    EXPECT_TRUE(QFile::exists(pdf));

    dialogs.expect_print_dialog({0, {}});
    click(MAIN_CMD_PRINT);
    dialogs.check_all_shown();
    EXPECT_EQ(statuses.back(), "Main window printed to file " + pdf.toStdString() + ".") << "cancelled: no news";

    // A directory that does not exist fails for root as well.
    dialogs.expect_print_dialog({1, QDir(dir.path()).filePath("no such dir/x.pdf").toStdString()});
    click(MAIN_CMD_PRINT);
    dialogs.check_all_shown();
    EXPECT_EQ(statuses.back(), "Error! Printing failed.");
}

TEST_F(Navigation, ReportPrintsTheSetThePagesShowAndLeavesTheRecordAsItIs)
{
    Record shown{};
    shown[BLOCK_A + CH_LASER_POWER] = 40;
    shown[BLOCK_B + CH_LASER_POWER] = 41;
    shown[BLOCK_B + CH_HYSTERESIS] = 23;
    set_record(shown);
    SetPanelValues();
    // Typed into the page, not yet taken into the record.
    SetCtrlVal(panelPARAA2, CH2_NUM_LASER, 77);
    const Record before = record();

    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("report <1>.pdf");
    dialogs.expect_print_dialog({1, pdf.toStdString()});
    click(MAIN_CMD_REPORT);
    dialogs.check_all_shown();
    EXPECT_EQ(statuses.back(), "Parameter report printed to file " + pdf.toStdString() + ".");
    EXPECT_EQ(record(), before) << "the live chart draws from the record";
    const PdfReading report = read_pdf(pdf);
    ASSERT_TRUE(report.read);
    for (const char* part : {"Set from pages", "Laser power 77", "Trigger hysteresis, channel B 23",
                             "Connection Not connected", "Controller version not known"})
        EXPECT_NE(report.text.find(part), std::string::npos) << part << "\n" << report.text;

    // The statistics pane shown: its figures on a page of their own.
    click(MAIN_VIEW_SCOPE);
    const QString with_statistics = QDir(dir.path()).filePath("statistics.pdf");
    dialogs.expect_print_dialog({1, with_statistics.toStdString()});
    click(MAIN_CMD_REPORT);
    dialogs.check_all_shown();
    const PdfReading both = read_pdf(with_statistics);
    ASSERT_TRUE(both.read);
    EXPECT_EQ(both.pages, report.pages + 1);
    const std::size_t page = both.text.find("Statistics Last ");
    ASSERT_NE(page, std::string::npos) << both.text;
    EXPECT_NE(both.text.find("Outside %", page), std::string::npos) << both.text.substr(page);
}

TEST_F(Navigation, MainWindowPrintsWithItsVisiblePageToAPdfFile)
{
    click(MAIN_VIEW_TEST);
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("window.pdf");
    SetPrintAttribute(ATTR_PRINT_SCALE_TO_PAGE, 1);
    EXPECT_EQ(PrintPanel(panelMAIN, pdf.toLocal8Bit().constData(), VAL_FULL_PANEL), 0);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    EXPECT_GT(file.size(), 10000) << "the window is drawn, not an empty page";
    EXPECT_EQ(PrintPanel(panelMAIN, pdf.toLocal8Bit().constData(), 99), UIE_BAD_PANEL);
}

}  // namespace
}  // namespace telvar::test
