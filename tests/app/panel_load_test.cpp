// SPDX-License-Identifier: GPL-3.0-or-later
// Panel files: what loads, and that a faulty file never loads half-built.
#include "app/startup.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "ui/roles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace telvar {
namespace {

int g_clicks = 0;
std::vector<int> g_events;
int count_click(int, int, int event, void*, int, int)
{
    g_events.push_back(event);
    if (event == EVENT_COMMIT)
        ++g_clicks;
    return 0;
}

// What a screen reader reads as the control's name: its own, or its caption's.
QString accessible_name(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

class PanelLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        RegisterCallback("count_click", count_click);
        DefinePanelRoles(path("one.uir").c_str(), 1, {{1, "GO"}});
    }
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    std::string write(const char* name, const QByteArray& content) const
    {
        QFile file(QString::fromStdString(path(name)));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path(name);
    }
    static QByteArray ui(const QByteArray& inner, const QByteArray& cls = "QPushButton",
                         const QByteArray& callback = "count_click")
    {
        return "<ui version=\"4.0\"><class>P</class><widget class=\"QWidget\" name=\"P\">"
               "<property name=\"resource\" stdset=\"0\"><number>1</number></property>"
               "<widget class=\"" + cls + "\" name=\"GO\">"
               "<property name=\"callback\" stdset=\"0\"><string>" + callback + "</string></property>"
               "</widget>" + inner + "</widget></ui>";
    }
    QTemporaryDir dir;
};

TEST_F(PanelLoad, GoodFileLoadsHiddenAndBindsItsCallbacks)
{
    const int panel = LoadPanel(0, write("one.uir", ui("")).c_str(), 1);
    ASSERT_GT(panel, 0);
    EXPECT_FALSE(PanelWidget(panel)->isVisible());
    auto* button = qobject_cast<QPushButton*>(ControlWidget(panel, 1));
    ASSERT_NE(button, nullptr);
    g_clicks = 0;
    button->click();
    EXPECT_EQ(g_clicks, 1);

    g_events.clear();
    DisplayPanel(panel);
    PanelWidget(panel)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(PanelWidget(panel)));
    button->setFocus();
    button->clearFocus();
    EXPECT_EQ(g_events, (std::vector<int>{EVENT_GOT_FOCUS, EVENT_LOST_FOCUS}));

    EXPECT_EQ(DiscardPanel(panel), 0);
    EXPECT_EQ(DisplayPanel(panel), UIE_BAD_PANEL) << "a discarded handle is dead";
}

TEST_F(PanelLoad, FaultyFilesAreRefusedWithoutLeavingAWidget)
{
    const int widgets_before = QApplication::allWidgets().size();
    EXPECT_EQ(LoadPanel(0, path("one.uir").c_str(), 1), UIE_FILE_NOT_READABLE);
    EXPECT_EQ(LoadPanel(0, dir.path().toLocal8Bit().constData(), 1), UIE_FILE_NOT_READABLE) << "a directory";
    EXPECT_EQ(LoadPanel(0, write("one.uir", "<ui version=\"4.0\"><widget class=\"QWidget\"").c_str(), 1), UIE_BAD_FILE);
    EXPECT_EQ(LoadPanel(0, write("one.uir", ui("<b>not closed")).c_str(), 1), UIE_BAD_FILE);
    EXPECT_EQ(LoadPanel(0, write("one.uir", "<html><body/></html>").c_str(), 1), UIE_BAD_FILE);
    EXPECT_EQ(LoadPanel(0, write("one.uir", ui("", "NoSuchWidgetClass")).c_str(), 1), UIE_BAD_FILE);
    QLoggingCategory::setFilterRules("*.warning=false");  // the loader's warnings are no help then
    EXPECT_EQ(LoadPanel(0, path("one.uir").c_str(), 1), UIE_BAD_FILE);
    QLoggingCategory::setFilterRules("");
    EXPECT_EQ(LoadPanel(0, write("one.uir", ui("", "QPushButton", "no_such_callback")).c_str(), 1), UIE_UNKNOWN_CALLBACK);
    EXPECT_EQ(LoadPanel(0, write("one.uir", ui("")).c_str(), 2), UIE_NO_SUCH_RESOURCE);
    const QByteArray unnamed_role = "<ui version=\"4.0\"><class>P</class><widget class=\"QWidget\" name=\"P\">"
        "<property name=\"resource\" stdset=\"0\"><number>1</number></property>"
        "<widget class=\"QPushButton\" name=\"OTHER\"/></widget></ui>";
    EXPECT_EQ(LoadPanel(0, write("one.uir", unnamed_role).c_str(), 1), UIE_MISSING_CONTROL);
    EXPECT_EQ(LoadPanel(0, write("one.uir", ui("<widget class=\"QLabel\" name=\"GO\"/>")).c_str(), 1), UIE_BAD_FILE)
        << "a role twice";
    const QByteArray callback_without_role = "<widget class=\"QPushButton\" name=\"LOOSE\">"
        "<property name=\"callback\" stdset=\"0\"><string>count_click</string></property></widget>";
    EXPECT_EQ(LoadPanel(0, write("one.uir", ui(callback_without_role)).c_str(), 1), UIE_BAD_FILE);
    EXPECT_EQ(QApplication::allWidgets().size(), widgets_before) << "a refused panel is never half-built";
}

// Qt says what it thinks of a value while the panel is made; the file is fine all the same.
QStringList* g_warnings = nullptr;
QtMessageHandler g_previous = nullptr;
void note_warning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && g_warnings)
        g_warnings->append(message);
    g_previous(type, context, message);
}

TEST_F(PanelLoad, WarningOfTheToolkitDuringTheLoadDoesNotRefuseThePanel)
{
    const QByteArray lcd = "<widget class=\"QLCDNumber\" name=\"DISPLAY\">"
        "<property name=\"digitCount\"><number>200</number></property></widget>";
    QStringList warnings;
    g_warnings = &warnings;
    g_previous = qInstallMessageHandler(note_warning);
    const int panel = LoadPanel(0, write("one.uir", ui(lcd)).c_str(), 1);
    qInstallMessageHandler(g_previous);
    g_warnings = nullptr;
    ASSERT_FALSE(warnings.isEmpty()) << "the toolkit printed a warning while loading";
    EXPECT_GT(panel, 0);
    DiscardPanel(panel);
}

// A translation of the one button's text.
class Bracketing : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "P") == 0 && qstrcmp(source, "CONNECT") == 0 ? QStringLiteral("[CONNECT]") : QString();
    }
};

TEST_F(PanelLoad, AButtonKeepsItsKeyWhenItsTextIsTranslated)
{
    Bracketing translation;
    QCoreApplication::installTranslator(&translation);
    const int panel = LoadPanel(0, write("one.uir", ui("<widget class=\"QPushButton\" name=\"KEYED\">"
                                                     "<property name=\"text\"><string>CONNECT</string></property>"
                                                     "<property name=\"shortcut\"><string notr=\"true\">F2</string></property>"
                                                     "</widget>")).c_str(), 1);
    QCoreApplication::removeTranslator(&translation);
    ASSERT_GT(panel, 0);
    auto* keyed = PanelWidget(panel)->findChild<QPushButton*>(QStringLiteral("KEYED"));
    ASSERT_NE(keyed, nullptr);
    EXPECT_EQ(keyed->text(), QStringLiteral("[CONNECT]"));
    EXPECT_EQ(keyed->shortcut().toString().toStdString(), "F2");
    DiscardPanel(panel);
}

TEST_F(PanelLoad, TheProgramsPanelFilesAllLoad)
{
    describe_panel_files();
    // Relative names are taken from the program's directory, where the build puts the files.
    const int main_panel = LoadPanel(0, MAIN_UIR, MAIN);
    ASSERT_GT(main_panel, 0);
    for (const char* file : {CHANNEL_A_UIR, CHANNEL_A2_UIR, CHANNEL_B_UIR, CHANNEL_B2_UIR, EVALUATION_UIR,
                             EVALUATION2_UIR, OUTPUTS_UIR, UPDATE_UIR, TEST_UIR}) {
        const int child = LoadPanel(main_panel, file, PANEL);
        EXPECT_GT(child, 0) << file;
    }
    const int dialog = LoadPanel(0, MAIN_UIR, INTERF);
    EXPECT_GT(dialog, 0);
    const int compare = LoadPanel(0, COMPARE_UIR, PANEL);
    ASSERT_GT(compare, 0);

    const int monitor = LoadPanel(0, MONITOR_UIR, PANEL);
    ASSERT_GT(monitor, 0);

    // Screen readers and UI automation find every control an operator uses.
    for (QWidget* root : {PanelWidget(main_panel), PanelWidget(dialog), PanelWidget(compare), PanelWidget(monitor)}) {
        for (QWidget* w : root->findChildren<QWidget*>()) {
            const bool operated = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)
                || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w);
            const bool inner_part = qobject_cast<QComboBox*>(w->parentWidget())
                || qobject_cast<QAbstractSpinBox*>(w->parentWidget());
            if (operated && !inner_part) {
                EXPECT_FALSE(accessible_name(w).isEmpty()) << w->objectName().toStdString();
            }
        }
    }
    EXPECT_NE(PanelWidget(dialog), PanelWidget(main_panel));
    DiscardPanel(compare);
    DiscardPanel(monitor);
    DiscardPanel(dialog);
    DiscardPanel(main_panel);
}

}  // namespace
}  // namespace telvar
