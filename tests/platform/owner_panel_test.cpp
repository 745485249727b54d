// SPDX-License-Identifier: GPL-3.0-or-later
// A top-level panel that belongs to another: above it, over its middle,
// closing through its own callback, gone with it.
#include "support/panel_files.h"

#include "platform/qt_access.h"
#include "platform/userint.h"

#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace telvar::test {
namespace {

std::vector<int> g_closed;

int note_close(int panel, int event, void*, int, int)
{
    if (event == EVENT_CLOSE)
        g_closed.push_back(panel);
    return 0;
}

class OwnerPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterPanelCallback("note_close", note_close);
        const QByteArray closes = ui_property("callback", "<string>note_close</string>", false);
        owner = files.load("owner.uir", "", {}, closes);
        dialog = files.load("dialog.uir", "", {}, closes);
        child = files.load("child.uir", "", {}, "", owner);
        ASSERT_GT(owner, 0);
        ASSERT_GT(dialog, 0);
        ASSERT_GT(child, 0);
        PanelWidget(owner)->setGeometry(100, 80, 640, 480);
        PanelWidget(dialog)->resize(200, 100);
        g_closed.clear();
    }
    void TearDown() override
    {
        DiscardPanel(dialog);
        DiscardPanel(owner);
    }
    static int owner_of(int panel)
    {
        int value = -1;
        EXPECT_EQ(GetPanelAttribute(panel, ATTR_OWNER_PANEL, &value), 0);
        return value;
    }

    PanelFiles files;
    int owner = 0;
    int dialog = 0;
    int child = 0;
};

TEST_F(OwnerPanel, OwnedPanelStaysAboveItsOwnerAndOpensOverItsMiddle)
{
    DisplayPanel(owner);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(PanelWidget(owner)));
    ASSERT_EQ(SetPanelAttribute(dialog, ATTR_OWNER_PANEL, owner), 0);
    EXPECT_EQ(owner_of(dialog), owner);
    DisplayPanel(dialog);
    QWidget* window = PanelWidget(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Dialog));
    EXPECT_EQ(window->windowHandle()->transientParent(), PanelWidget(owner)->windowHandle())
        << "the window system keeps it above its owner";
    EXPECT_EQ(window->geometry().center(), PanelWidget(owner)->geometry().center());

    window->close();
    EXPECT_EQ(g_closed, std::vector<int>{dialog}) << "closing goes to the panel's callback";
    EXPECT_TRUE(window->isVisible()) << "which decides what closing does";
}

TEST_F(OwnerPanel, AnOwnedPanelWiderThanItsOwnerOpensWholeOnTheScreen)
{
    const QRect screen = PanelWidget(owner)->screen()->availableGeometry();
    PanelWidget(owner)->setGeometry(screen.left(), screen.top(), 300, 200);
    PanelWidget(dialog)->resize(500, 100);
    SetPanelAttribute(dialog, ATTR_OWNER_PANEL, owner);
    DisplayPanel(owner);
    DisplayPanel(dialog);
    const QRect opened = PanelWidget(dialog)->geometry();
    EXPECT_TRUE(screen.contains(opened)) << opened.x() << "," << opened.y();
    EXPECT_EQ(opened.center().y(), PanelWidget(owner)->geometry().center().y()) << "still over its owner";
}

TEST_F(OwnerPanel, NoOwnerMakesItAWindowOfItsOwnAgain)
{
    SetPanelAttribute(dialog, ATTR_OWNER_PANEL, owner);
    EXPECT_EQ(SetPanelAttribute(dialog, ATTR_OWNER_PANEL, 0), 0);
    EXPECT_EQ(owner_of(dialog), 0);
    EXPECT_EQ(PanelWidget(dialog)->parentWidget(), nullptr);
    EXPECT_FALSE(PanelWidget(dialog)->windowFlags().testFlag(Qt::Dialog));
}

TEST_F(OwnerPanel, OnlyTopLevelPanelsOwnAndAreOwnedWithoutCycles)
{
    EXPECT_EQ(SetPanelAttribute(dialog, ATTR_OWNER_PANEL, child), UIE_BAD_PANEL);
    EXPECT_EQ(SetPanelAttribute(child, ATTR_OWNER_PANEL, owner), UIE_BAD_PANEL);
    EXPECT_EQ(SetPanelAttribute(dialog, ATTR_OWNER_PANEL, dialog), UIE_BAD_PANEL);
    EXPECT_EQ(SetPanelAttribute(dialog, ATTR_OWNER_PANEL, 9999), UIE_BAD_PANEL);
    ASSERT_EQ(SetPanelAttribute(dialog, ATTR_OWNER_PANEL, owner), 0);
    EXPECT_EQ(SetPanelAttribute(owner, ATTR_OWNER_PANEL, dialog), UIE_BAD_PANEL);
    EXPECT_EQ(owner_of(owner), 0);
}

TEST_F(OwnerPanel, DiscardingTheOwnerDiscardsWhatItOwns)
{
    SetPanelAttribute(dialog, ATTR_OWNER_PANEL, owner);
    DisplayPanel(dialog);
    EXPECT_EQ(DiscardPanel(owner), 0);
    EXPECT_EQ(DisplayPanel(dialog), UIE_BAD_PANEL);
    EXPECT_EQ(DisplayPanel(child), UIE_BAD_PANEL);
}

}  // namespace
}  // namespace telvar::test
