// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of control through the platform's calls: numbers and texts,
// commits from the operator only, indicators that take no input, texts
// shown as typed and told to screen readers.
#include "support/panel_files.h"

#include "platform/qt_access.h"
#include "platform/userint.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace telvar::test {
namespace {

enum OneOfEachKind : int { PUSH = 1, CHECK, SPIN, COMBO, RING, LINE, LABEL, BOX, BAR, PLOT, DECO };

std::map<int, int> g_commits;  // control -> commit events

int record_commit(int, int control, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        ++g_commits[control];
    return 0;
}

QByteArray operated(const QByteArray& cls, const QByteArray& name, int x, int y, const QByteArray& inner = "")
{
    return ui_widget(cls, name,
                     ui_geometry(x, y, 110, 26) + ui_property("callback", "<string>record_commit</string>", false)
                         + inner);
}

QByteArray shown(const QByteArray& cls, const QByteArray& name, int x, int y, const QByteArray& inner = "")
{
    return ui_widget(cls, name, ui_geometry(x, y, 110, 26) + inner);
}

// A check box takes clicks on its box and its text only.
const QPoint kOnTheBox(8, 13);
const QByteArray kCheckable = ui_property("checkable", "<bool>true</bool>");
const QByteArray kItems = "<item><property name=\"text\"><string>zero</string></property></item>"
                          "<item><property name=\"text\"><string>one</string></property></item>"
                          "<item><property name=\"text\"><string>two</string></property></item>";

class ControlKinds : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterCallback("record_commit", record_commit);
        const QByteArray widgets =
            operated("QPushButton", "PUSH", 0, 0, kCheckable) + operated("QCheckBox", "CHECK", 240, 0)
            + operated("QSpinBox", "SPIN", 0, 30, ui_property("maximum", "<number>1000</number>"))
            + operated("QComboBox", "COMBO", 240, 30, ui_property("editable", "<bool>true</bool>"))
            + operated("QComboBox", "RING", 0, 60, kItems) + operated("QLineEdit", "LINE", 120, 60)
            + shown("QLabel", "LABEL", 240, 60,
                    ui_property("accessibleName", "<string>Fixed name</string>")
                        + ui_property("accessibleDescription", "<string>Evaluation value</string>"))
            + shown("QPlainTextEdit", "BOX", 0, 90) + shown("QProgressBar", "BAR", 240, 90)
            + shown("QCustomPlot", "PLOT", 240, 120) + shown("QFrame", "DECO", 0, 150)
            + shown("QLabel", "TITLE", 120, 150, ui_property("text", "<string>&lt;b&gt;Title&lt;/b&gt;</string>"));
        panel = files.load("kinds.uir", widgets,
                           {{PUSH, "PUSH"}, {CHECK, "CHECK"}, {SPIN, "SPIN"}, {COMBO, "COMBO"}, {RING, "RING"},
                            {LINE, "LINE"}, {LABEL, "LABEL"}, {BOX, "BOX"}, {BAR, "BAR"}, {PLOT, "PLOT"},
                            {DECO, "DECO"}});
        ASSERT_GT(panel, 0);
        g_commits.clear();
    }
    void TearDown() override { DiscardPanel(panel); }

    void show_and_activate()
    {
        DisplayPanel(panel);
        SetActivePanel(panel);
        ASSERT_TRUE(QTest::qWaitForWindowActive(PanelWidget(panel)));
    }
    QWidget* widget(int control) const { return ControlWidget(panel, control); }
    double number(int control) const
    {
        double value = -1;
        EXPECT_EQ(GetCtrlVal(panel, control, &value), 0) << control;
        return value;
    }
    std::string text(int control) const
    {
        char buffer[256] = {};
        EXPECT_EQ(GetCtrlVal(panel, control, buffer), 0) << control;
        return buffer;
    }
    int mode(int control) const
    {
        int value = -1;
        GetCtrlAttribute(panel, control, ATTR_CTRL_MODE, &value);
        return value;
    }
    QString accessible_name(int control) const
    {
        return QAccessible::queryAccessibleInterface(widget(control))->text(QAccessible::Name);
    }

    PanelFiles files;
    int panel = 0;
};

TEST_F(ControlKinds, NumbersGoInAndComeBackWithoutACommit)
{
    const std::map<int, double> values = {{PUSH, 1},    {CHECK, 1}, {SPIN, 42}, {COMBO, 5}, {RING, 2},
                                          {LINE, 12.5}, {LABEL, 7}, {BOX, 9},   {BAR, 55}};
    for (const auto& [control, value] : values) {
        SCOPED_TRACE(widget(control)->objectName().toStdString());
        EXPECT_EQ(SetCtrlVal(panel, control, value), 0);
        EXPECT_DOUBLE_EQ(number(control), value);
    }
    EXPECT_TRUE(g_commits.empty()) << "only the operator's changes are commits";
    EXPECT_EQ(qobject_cast<QComboBox*>(widget(RING))->currentText(), "two") << "entries without values go by position";
    EXPECT_EQ(SetCtrlVal(panel, RING, 3), UIE_BAD_ATTRIBUTE) << "no such entry";
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(LINE))->text(), "12.5") << "text kinds take numbers as text";

    double value = 0;
    for (int no_value : {PLOT, DECO}) {
        EXPECT_EQ(SetCtrlVal(panel, no_value, 1), UIE_BAD_CONTROL);
        EXPECT_EQ(GetCtrlVal(panel, no_value, &value), UIE_BAD_CONTROL);
    }
}

TEST_F(ControlKinds, TextsGoInAndComeBack)
{
    for (int control : {LINE, COMBO, LABEL}) {
        EXPECT_EQ(SetCtrlVal(panel, control, "10.0.0.1"), 0);
        EXPECT_EQ(text(control), "10.0.0.1");
    }
    SetCtrlVal(panel, BOX, "one\n");
    SetCtrlVal(panel, BOX, "two");
    EXPECT_EQ(text(BOX), "one\ntwo") << "text boxes append";
    SetCtrlVal(panel, RING, 1);
    EXPECT_EQ(text(RING), "one");
    char buffer[8];
    EXPECT_EQ(SetCtrlVal(panel, PUSH, "text"), UIE_BAD_CONTROL);
    EXPECT_EQ(GetCtrlVal(panel, SPIN, buffer), UIE_BAD_CONTROL);
    EXPECT_TRUE(g_commits.empty());
}

TEST_F(ControlKinds, EachOperatorChangeCommitsOnce)
{
    show_and_activate();
    QTest::mouseClick(widget(PUSH), Qt::LeftButton);
    QTest::mouseClick(widget(CHECK), Qt::LeftButton, {}, kOnTheBox);
    widget(SPIN)->setFocus();
    QTest::keyClick(widget(SPIN), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget(SPIN), "77");
    QTest::keyClick(widget(SPIN), Qt::Key_Return);
    widget(LINE)->setFocus();
    QTest::keyClicks(widget(LINE), "abc");
    QTest::keyClick(widget(LINE), Qt::Key_Return);
    QTest::keyClick(widget(LINE), Qt::Key_Return);  // nothing changed since
    QTest::keyClick(widget(RING), Qt::Key_Down);

    EXPECT_EQ(g_commits, (std::map<int, int>{{PUSH, 1}, {CHECK, 1}, {SPIN, 1}, {LINE, 1}, {RING, 1}}));
    EXPECT_EQ(number(SPIN), 77);
    EXPECT_EQ(number(PUSH), 1);
}

TEST_F(ControlKinds, IndicatorShowsItsValueButTakesNoClicksOrKeys)
{
    show_and_activate();
    const int inputs[] = {PUSH, CHECK, SPIN, LINE, RING, COMBO};
    for (int control : inputs) {
        EXPECT_EQ(mode(control), VAL_HOT);
        EXPECT_EQ(SetCtrlAttribute(panel, control, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
        EXPECT_EQ(mode(control), VAL_INDICATOR);
    }
    QTest::mouseClick(widget(PUSH), Qt::LeftButton);
    QTest::mouseClick(widget(CHECK), Qt::LeftButton, {}, kOnTheBox);
    QTest::keyClick(widget(SPIN), Qt::Key_Up);
    QTest::keyClicks(widget(LINE), "abc");
    QTest::keyClick(widget(RING), Qt::Key_Down);
    QTest::keyClicks(qobject_cast<QComboBox*>(widget(COMBO))->lineEdit(), "1");

    EXPECT_TRUE(g_commits.empty());
    for (int control : {PUSH, CHECK, SPIN, RING})
        EXPECT_EQ(number(control), 0) << widget(control)->objectName().toStdString();
    EXPECT_EQ(text(LINE), "");
    EXPECT_EQ(text(COMBO), "");
    for (int control : inputs) {
        EXPECT_TRUE(widget(control)->isEnabled()) << "an indicator is not greyed out";
        EXPECT_FALSE(widget(control)->hasFocus());
    }
    EXPECT_TRUE(qobject_cast<QAbstractSpinBox*>(widget(SPIN))->isReadOnly());
    EXPECT_TRUE(qobject_cast<QLineEdit*>(widget(LINE))->isReadOnly());

    EXPECT_EQ(SetCtrlVal(panel, PUSH, 1), 0) << "code still sets the value";
    EXPECT_EQ(number(PUSH), 1);

    const Qt::FocusPolicy own = Qt::StrongFocus;
    SetCtrlAttribute(panel, PUSH, ATTR_CTRL_MODE, VAL_HOT);
    EXPECT_EQ(widget(PUSH)->focusPolicy(), own);
    QTest::mouseClick(widget(PUSH), Qt::LeftButton);
    EXPECT_EQ(g_commits[PUSH], 1) << "a hot control commits again";
    SetCtrlAttribute(panel, LINE, ATTR_CTRL_MODE, VAL_HOT);
    EXPECT_FALSE(qobject_cast<QLineEdit*>(widget(LINE))->isReadOnly());
}

TEST_F(ControlKinds, DisplaysAreIndicatorsAlways)
{
    for (int display : {LABEL, BAR, PLOT}) {
        EXPECT_EQ(mode(display), VAL_INDICATOR);
        EXPECT_EQ(SetCtrlAttribute(panel, display, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
        EXPECT_EQ(SetCtrlAttribute(panel, display, ATTR_CTRL_MODE, VAL_HOT), UIE_BAD_ATTRIBUTE);
    }
    EXPECT_EQ(SetCtrlAttribute(panel, PUSH, ATTR_CTRL_MODE, 7), UIE_BAD_ATTRIBUTE);
}

TEST_F(ControlKinds, DimmedControlsAreGreyedOut)
{
    SetCtrlAttribute(panel, SPIN, ATTR_DIMMED, 1);
    EXPECT_FALSE(widget(SPIN)->isEnabled());
    SetCtrlAttribute(panel, SPIN, ATTR_DIMMED, 0);
    EXPECT_TRUE(widget(SPIN)->isEnabled());
}

TEST_F(ControlKinds, LabelShowsTheTextOfCodeAsTyped)
{
    auto* label = qobject_cast<QLabel*>(widget(LABEL));
    SetCtrlVal(panel, LABEL, "<b>x</b>");
    EXPECT_EQ(label->text(), "<b>x</b>");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    SetCtrlAttribute(panel, LABEL, ATTR_LABEL_TEXT, "<i>C:\\data</i>");
    EXPECT_EQ(label->text(), "<i>C:\\data</i>");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);

    const auto* title = PanelWidget(panel)->findChild<QLabel*>("TITLE");
    EXPECT_EQ(title->textFormat(), Qt::AutoText) << "a label of the file keeps its own format";
}

TEST_F(ControlKinds, ScreenReadersHearTheShownTextNotAFixedName)
{
    EXPECT_EQ(accessible_name(LABEL), "Fixed name");
    SetCtrlVal(panel, LABEL, "Parameter loaded from sensor.");
    EXPECT_EQ(accessible_name(LABEL), "Parameter loaded from sensor.");
    SetCtrlVal(panel, LABEL, 12.5);
    EXPECT_EQ(accessible_name(LABEL), "12.5");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget(LABEL))->text(QAccessible::Description),
              "Evaluation value");

    SetCtrlVal(panel, BOX, "Waiting\n");
    SetCtrlVal(panel, BOX, "Done");
    EXPECT_EQ(accessible_name(BOX), "Waiting\nDone");
}

}  // namespace
}  // namespace telvar::test
