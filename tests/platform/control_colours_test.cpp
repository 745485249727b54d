// SPDX-License-Identifier: GPL-3.0-or-later
// Colours set by code, as the operator sees them: they leave the style of
// the panel file and the panel's look of checked buttons in place.
#include "support/panel_files.h"

#include "app/startup.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "ui/roles.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace telvar::test {
namespace {

constexpr int BLUE_CHECKED = 0x0080FF;
constexpr int GREEN_BORDER = 0x00FF00;
constexpr int GREY = 0xE0E0E0;
constexpr int RED = 0xFF0000;

// The colour drawn at a point of the control, in its own pixels.
int pixel(QWidget* w, int x, int y)
{
    const QImage image = w->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return static_cast<int>(image.pixel(qRound(x * ratio), qRound(y * ratio)) & 0xFFFFFF);
}

// A point inside the button, clear of its text and border.
int fill(QWidget* w)
{
    return pixel(w, 8, w->height() / 2);
}

int attribute(int panel, int control, int attr)
{
    int value = -1;
    EXPECT_EQ(GetCtrlAttribute(panel, control, attr, &value), 0);
    return value;
}

class Colours : public ::testing::Test {
protected:
    enum { TOGGLE = 1, CAPTION };
    void SetUp() override
    {
        const QByteArray widgets =
            ui_widget("QPushButton", "TOGGLE",
                      ui_geometry(10, 10, 120, 40) + ui_property("checkable", "<bool>true</bool>")
                          + ui_property("text", "<string>RAM</string>")
                          + ui_property("styleSheet", "<string>border: 3px solid #00ff00;</string>"))
            + ui_widget("QLabel", "CAPTION",
                        ui_geometry(10, 60, 200, 30) + ui_property("text", "<string>Caption</string>")
                            + ui_property("styleSheet", "<string>font-weight: bold; font-size: 14pt;</string>"));
        const QByteArray checked_look = ui_property(
            "styleSheet", "<string>QPushButton:checked { background-color: #0080ff; color: white; }</string>");
        panel = files.load("colours.uir", widgets, {{TOGGLE, "TOGGLE"}, {CAPTION, "CAPTION"}}, checked_look);
        ASSERT_GT(panel, 0);
    }
    void TearDown() override { DiscardPanel(panel); }

    PanelFiles files;
    int panel = 0;
};

TEST_F(Colours, ButtonColourIsForTheButtonWhileOffAndKeepsItsFileStyle)
{
    QWidget* toggle = ControlWidget(panel, TOGGLE);
    ASSERT_EQ(SetCtrlAttribute(panel, TOGGLE, ATTR_CMD_BUTTON_COLOR, GREY), 0);
    EXPECT_EQ(fill(toggle), GREY);
    EXPECT_EQ(pixel(toggle, 1, toggle->height() / 2), GREEN_BORDER) << "the border of the panel file stays";

    SetCtrlVal(panel, TOGGLE, 1);
    EXPECT_EQ(fill(toggle), BLUE_CHECKED) << "the panel's look of a checked button shows";
    EXPECT_EQ(pixel(toggle, 1, toggle->height() / 2), GREEN_BORDER);

    ASSERT_EQ(SetCtrlAttribute(panel, TOGGLE, ATTR_ON_COLOR, RED), 0);
    EXPECT_EQ(fill(toggle), RED) << "an on colour set by code is for the checked state";
    SetCtrlVal(panel, TOGGLE, 0);
    EXPECT_EQ(fill(toggle), GREY);
    EXPECT_EQ(attribute(panel, TOGGLE, ATTR_CMD_BUTTON_COLOR), GREY);
    EXPECT_EQ(attribute(panel, TOGGLE, ATTR_ON_COLOR), RED);
}

TEST_F(Colours, TextColourKeepsTheFontOfTheFile)
{
    QWidget* caption = ControlWidget(panel, CAPTION);
    caption->ensurePolished();
    const QFont before = caption->font();
    ASSERT_TRUE(before.bold());
    ASSERT_EQ(SetCtrlAttribute(panel, CAPTION, ATTR_TEXT_COLOR, RED), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, CAPTION, ATTR_TEXT_BGCOLOR, GREY), 0);
    caption->ensurePolished();
    EXPECT_TRUE(caption->font().bold());
    EXPECT_EQ(caption->font().pointSize(), before.pointSize());
    EXPECT_EQ(pixel(caption, caption->width() - 2, 2), GREY);
    EXPECT_EQ(attribute(panel, CAPTION, ATTR_TEXT_COLOR), RED);
    EXPECT_EQ(SetCtrlAttribute(panel, CAPTION, ATTR_ON_COLOR, RED), UIE_BAD_ATTRIBUTE) << "a text has no on state";
}

// The toggles of the main window are drawn by the style, which shades the
// button colour: red shows as reddish.
TEST(MainWindowColours, RamSelectorWithAButtonColourStillShowsBlueWhenOn)
{
    describe_panel_files();
    const int main_panel = LoadPanel(0, MAIN_UIR, MAIN);
    ASSERT_GT(main_panel, 0);
    QWidget* ram = ControlWidget(main_panel, MAIN_RADIO_RAM);
    SetCtrlVal(main_panel, MAIN_RADIO_RAM, 0);
    SetCtrlAttribute(main_panel, MAIN_RADIO_RAM, ATTR_CMD_BUTTON_COLOR, RED);
    const QColor off = QColor::fromRgb(static_cast<QRgb>(fill(ram)));
    EXPECT_GT(off.red(), 200);
    EXPECT_GT(off.red() - off.green(), 80);
    EXPECT_EQ(off.green(), off.blue());
    SetCtrlVal(main_panel, MAIN_RADIO_RAM, 1);
    EXPECT_EQ(fill(ram), BLUE_CHECKED);
    DiscardPanel(main_panel);
}

double luminance(QRgb rgb)
{
    const auto linear = [](int v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// The contrast of the button's text against its fill, as the text's most
// distinct pixel gives it: 1 (none) to 21 (black on white).
double text_contrast(QWidget* button)
{
    const QImage image = button->grab().toImage();
    const double fill_lum = luminance(image.pixel(image.width() / 2, 4));
    double best = 1.0;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
            const double l = luminance(image.pixel(x, y));
            best = std::max(best, (std::max(l, fill_lum) + 0.05) / (std::min(l, fill_lum) + 0.05));
        }
    return best;
}

// RUN is red and dimmed while it runs: its text stays readable, while an
// idle dimmed button still looks dimmed.
TEST(MainWindowColours, ARunningButtonStaysReadableWhileDimmed)
{
    describe_panel_files();
    const int main_panel = LoadPanel(0, MAIN_UIR, MAIN);
    ASSERT_GT(main_panel, 0);
    for (int control : {MAIN_CMD_RUN, MAIN_CMD_STOP})
        SetCtrlAttribute(main_panel, control, ATTR_DIMMED, 1);
    SetCtrlAttribute(main_panel, MAIN_CMD_RUN, ATTR_CMD_BUTTON_COLOR, RED);
    SetCtrlAttribute(main_panel, MAIN_CMD_STOP, ATTR_CMD_BUTTON_COLOR, GREY);
    EXPECT_GE(text_contrast(ControlWidget(main_panel, MAIN_CMD_RUN)), 4.5);
    EXPECT_LT(text_contrast(ControlWidget(main_panel, MAIN_CMD_STOP)), 3.0) << "dimmed, and looks it";
    DiscardPanel(main_panel);
}

}  // namespace
}  // namespace telvar::test
