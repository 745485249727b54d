// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/banner.h"

#include "app/startup.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <iterator>

namespace telvar {

namespace {

constexpr int WHITE = 0xFFFFFF;
constexpr int GREY = 0x808080;
constexpr int BLUE = 0x0080FF;

enum class Logo { None, BuiltInA, BuiltInB, Bitmap };

struct Point {
    int left;
    int top;
};

struct Branding {
    bool drawn;
    int banner;
    int text;
    Logo logo;
    Point logo_at;
    bool supplier_lines;
    Point name_at;
    Point version_at;
};

// Indexed by variant number.
constexpr Branding kVariants[] = {
    {true, WHITE, GREY, Logo::None, {0, 0}, false, {20, 20}, {220, 24}},
    {true, BLUE, WHITE, Logo::None, {0, 0}, false, {20, 20}, {220, 24}},
    {true, BLUE, WHITE, Logo::BuiltInA, {320, 7}, true, {340, 32}, {540, 36}},
    {true, WHITE, GREY, Logo::Bitmap, {470, 8}, false, {20, 20}, {220, 24}},
    {true, BLUE, WHITE, Logo::Bitmap, {470, 7}, true, {220, 32}, {380, 36}},
    {false, 0, 0, Logo::None, {0, 0}, false, {0, 0}, {0, 0}},
    {true, WHITE, GREY, Logo::Bitmap, {470, 7}, true, {220, 32}, {380, 36}},
    {true, WHITE, GREY, Logo::BuiltInB, {709, 7}, true, {340, 32}, {540, 36}},
};

// Branding of our own: a supplier that belongs to no real company.
constexpr const char* SUPPLIER_LINES[] = {
    "Fieldlight Instruments",
    "Tel. +00 000 000000",
    "www.fieldlight.example",
};
constexpr int SUPPLIER_LEFT = 15;
constexpr int SUPPLIER_TOPS[] = {7, 22, 37};
constexpr int SUPPLIER_SIZE = 11;
constexpr int NAME_SIZE_PT = 16;
constexpr int VERSION_SIZE_PT = 11;
// Loaded into picture A, from the current directory, by the bitmap variants.
constexpr const char* LOGO_BITMAP_FILE = "telvar_logo.png";

void place_picture(int picture, Point at)
{
    SetCtrlAttribute(panelMAIN, picture, ATTR_LEFT, at.left);
    SetCtrlAttribute(panelMAIN, picture, ATTR_TOP, at.top);
    SetCtrlAttribute(panelMAIN, picture, ATTR_VISIBLE, 1);
}

void show_pictures(const Branding& b)
{
    switch (b.logo) {
    case Logo::None:
        SetCtrlAttribute(panelMAIN, MAIN_LOGO_A, ATTR_VISIBLE, 0);
        SetCtrlAttribute(panelMAIN, MAIN_LOGO_B, ATTR_VISIBLE, 0);
        break;
    case Logo::BuiltInA:
        place_picture(MAIN_LOGO_A, b.logo_at);
        SetCtrlAttribute(panelMAIN, MAIN_LOGO_B, ATTR_VISIBLE, 0);
        break;
    case Logo::BuiltInB:
        place_picture(MAIN_LOGO_B, b.logo_at);
        SetCtrlAttribute(panelMAIN, MAIN_LOGO_A, ATTR_VISIBLE, 0);
        break;
    case Logo::Bitmap:
        DisplayImageFile(panelMAIN, MAIN_LOGO_A, LOGO_BITMAP_FILE);  // a missing file keeps the picture
        place_picture(MAIN_LOGO_A, b.logo_at);
        break;
    }
}

}  // namespace

void ShowLogo(int variant)
{
    if (variant < 0 || variant >= static_cast<int>(std::size(kVariants)) || !kVariants[variant].drawn)
        return;
    const Branding& b = kVariants[variant];
    SetCtrlAttribute(panelMAIN, MAIN_BANNER, ATTR_FRAME_COLOR, b.banner);
    // The language's caption stands on the banner: in the banner's colours.
    SetCtrlAttribute(panelMAIN, MAIN_LANGUAGE_CAPTION, ATTR_TEXT_BGCOLOR, b.banner);
    SetCtrlAttribute(panelMAIN, MAIN_LANGUAGE_CAPTION, ATTR_TEXT_COLOR, b.text);
    show_pictures(b);
    if (b.supplier_lines)
        for (int line = 0; line < 3; ++line)
            ShowInfoText(0, b.banner, b.text, SUPPLIER_LINES[line], SUPPLIER_LEFT, SUPPLIER_TOPS[line],
                         SUPPLIER_SIZE);
    ShowInfoText(0, b.banner, b.text, szSoftname, b.name_at.left, b.name_at.top, NAME_SIZE_PT);
    ShowInfoText(0, b.banner, b.text, szSoftversion, b.version_at.left, b.version_at.top, VERSION_SIZE_PT);
}

void ShowInfoText(int, int background, int color, const char* text, int left, int top, int pointSize)
{
    const int control = NewCtrl(panelMAIN, CTRL_TEXT_MSG, "", top, left);
    SetCtrlAttribute(panelMAIN, control, ATTR_TEXT_FONT, VAL_APP_FONT);
    SetCtrlAttribute(panelMAIN, control, ATTR_TEXT_BOLD, 1);
    SetCtrlAttribute(panelMAIN, control, ATTR_TEXT_BGCOLOR, background);
    SetCtrlAttribute(panelMAIN, control, ATTR_TEXT_COLOR, color);
    SetCtrlAttribute(panelMAIN, control, ATTR_TEXT_POINT_SIZE, pointSize);
    SetCtrlAttribute(panelMAIN, control, ATTR_DESCRIPTION, tr_text("Window", "Banner"));
    SetCtrlVal(panelMAIN, control, text);
}

}  // namespace telvar
