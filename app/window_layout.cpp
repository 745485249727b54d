// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_layout.h"

#include "platform/files.h"
#include "platform/settings_file.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace telvar {

namespace {

inline constexpr const char* WINDOW_SETTINGS_FILE = "window.ini";
inline constexpr const char* PLACEMENT_KEY = "placement";

// How a control follows the window's added width and height.
enum class Follow {
    Stay,     // keeps its place
    Move,     // moves by what was added
    Stretch,  // grows by what was added
};

struct Anchor {
    int control;
    Follow across;
    Follow down;
};

constexpr Anchor kAnchors[] = {
    {MAIN_BANNER, Follow::Stretch, Follow::Stay},
    {MAIN_CMD_PRINT, Follow::Move, Follow::Stay},
    {MAIN_CMD_REPORT, Follow::Move, Follow::Stay},
    {MAIN_DATA_CHA, Follow::Move, Follow::Stay},
    {MAIN_DATA_CHB, Follow::Move, Follow::Stay},
    {MAIN_DATA_EVAL, Follow::Move, Follow::Stay},
    {MAIN_PAGE_BACKDROP, Follow::Stretch, Follow::Stretch},
    {MAIN_NUM_EVAL_CAPTION, Follow::Move, Follow::Stay},
    {MAIN_NUM_EVAL, Follow::Move, Follow::Stay},
    {MAIN_NUM_CHA_CAPTION, Follow::Stay, Follow::Move},
    {MAIN_NUM_CHA, Follow::Stay, Follow::Move},
    {MAIN_NUM_CHB_CAPTION, Follow::Stay, Follow::Move},
    {MAIN_NUM_CHB, Follow::Stay, Follow::Move},
    {MAIN_NUM_CHA_2ND_CAPTION, Follow::Stay, Follow::Move},
    {MAIN_NUM_CHA_2ND, Follow::Stay, Follow::Move},
    {MAIN_NUM_CHB_2ND_CAPTION, Follow::Stay, Follow::Move},
    {MAIN_NUM_CHB_2ND, Follow::Stay, Follow::Move},
    {MAIN_CMD_MONITOR, Follow::Stay, Follow::Move},
    {MAIN_CMD_RUN, Follow::Move, Follow::Move},
    {MAIN_CMD_STOP, Follow::Move, Follow::Move},
    {MAIN_CMD_DATA, Follow::Move, Follow::Move},
    {MAIN_TRACE_CHA, Follow::Stay, Follow::Move},
    {MAIN_TRACE_CHB, Follow::Stay, Follow::Move},
    {MAIN_TRACE_EVAL, Follow::Stay, Follow::Move},
    {MAIN_TRACE_TRIGGER, Follow::Stay, Follow::Move},
    {MAIN_TRACE_UPPER, Follow::Stay, Follow::Move},
    {MAIN_TRACE_REFERENCE, Follow::Stay, Follow::Move},
    {MAIN_TRACE_LOWER, Follow::Stay, Follow::Move},
    {MAIN_TRACE_2ND, Follow::Stay, Follow::Move},
    {MAIN_TRACE_3RD, Follow::Stay, Follow::Move},
    {MAIN_CHK_STATISTICS, Follow::Move, Follow::Stay},
    {MAIN_CURSORS, Follow::Stay, Follow::Move},
    {MAIN_LANGUAGE_CAPTION, Follow::Move, Follow::Stay},
    {MAIN_LANGUAGE, Follow::Move, Follow::Stay},
    {MAIN_REC_LAMP, Follow::Move, Follow::Move},
    {MAIN_REC_TEXT, Follow::Move, Follow::Move},
    {MAIN_STATUS, Follow::Stretch, Follow::Move},
    {MAIN_PROGRESS, Follow::Move, Follow::Move},
    {MAIN_LINE_LAMP, Follow::Move, Follow::Move},
    {MAIN_LINE_TEXT, Follow::Move, Follow::Move},
};

// Where the pages stand in the smallest window: the first row over the
// scope, the second pages beside the narrowed scope, under their selectors.
// A larger window centres the first row in the room its backdrop covers.
constexpr int kFirstPageLeft = 110;
constexpr int kFirstPageTop = 105;
constexpr int kSecondPageLeft = 520;
constexpr int kSecondPageTop = 165;
// The statistics pane under the evaluation value, beside the scope.
constexpr int kStatsLeft = 690;
constexpr int kStatsTop = 170;
constexpr int kStatsHeight = 410;

std::array<int, 6> first_row_pages()
{
    return {panelPARAA, panelPARAB, panelEVAL, panelOUTPUTS, panelUPDATE, panelTEST};
}

// The scope: as wide as its base width and what was added, as high as the window allows.
constexpr int kScope[] = {MAIN_STRIPCHART, MAIN_GRAPH};

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Layout {
    int width = 0;  // the window's size in the panel file: the smallest
    int height = 0;
    std::vector<Box> anchored;  // in kAnchors' order
    Box scope;
    int scope_width = 0;
};

Layout g_layout;

Box box_of(int panel, int control)
{
    Box b;
    GetCtrlAttribute(panel, control, ATTR_LEFT, &b.left);
    GetCtrlAttribute(panel, control, ATTR_TOP, &b.top);
    GetCtrlAttribute(panel, control, ATTR_WIDTH, &b.width);
    GetCtrlAttribute(panel, control, ATTR_HEIGHT, &b.height);
    return b;
}

void place_control(int control, const Box& b)
{
    SetCtrlAttribute(panelMAIN, control, ATTR_LEFT, b.left);
    SetCtrlAttribute(panelMAIN, control, ATTR_TOP, b.top);
    SetCtrlAttribute(panelMAIN, control, ATTR_WIDTH, b.width);
    SetCtrlAttribute(panelMAIN, control, ATTR_HEIGHT, b.height);
}

// One side of a box: its start and its extent along the window's axis.
void follow(Follow how, int added, int& start, int& extent)
{
    if (how == Follow::Move)
        start += added;
    else if (how == Follow::Stretch)
        extent += added;
}

// What the window has more than the smallest layout; nothing before start-up took the layout.
int added_width()
{
    if (g_layout.width == 0)
        return 0;
    int width = 0;
    GetPanelAttribute(panelMAIN, ATTR_WIDTH, &width);
    return std::max(0, width - g_layout.width);
}

}  // namespace

std::string window_settings_file()
{
    return UserConfigDir() + "/" + WINDOW_SETTINGS_FILE;
}

void setup_window_layout()
{
    g_layout = Layout{};
    GetPanelAttribute(panelMAIN, ATTR_WIDTH, &g_layout.width);
    GetPanelAttribute(panelMAIN, ATTR_HEIGHT, &g_layout.height);
    for (const Anchor& a : kAnchors)
        g_layout.anchored.push_back(box_of(panelMAIN, a.control));
    g_layout.scope = box_of(panelMAIN, MAIN_STRIPCHART);
    g_layout.scope_width = g_layout.scope.width;
    for (int page : first_row_pages()) {
        SetPanelAttribute(page, ATTR_LEFT, kFirstPageLeft);
        SetPanelAttribute(page, ATTR_TOP, kFirstPageTop);
    }
    for (int page : {panelPARAA2, panelPARAB2, panelEVAL2}) {
        SetPanelAttribute(page, ATTR_LEFT, kSecondPageLeft);
        SetPanelAttribute(page, ATTR_TOP, kSecondPageTop);
    }
    SetPanelAttribute(panelSTATS, ATTR_LEFT, kStatsLeft);
    SetPanelAttribute(panelSTATS, ATTR_TOP, kStatsTop);
    SetPanelAttribute(panelSTATS, ATTR_HEIGHT, kStatsHeight);
    const std::string placement = ReadSettingText(window_settings_file(), PLACEMENT_KEY, "");
    if (!placement.empty())
        SetPanelPlacement(panelMAIN, placement);
}

void apply_window_layout()
{
    if (g_layout.width == 0)
        return;
    int height = 0;
    GetPanelAttribute(panelMAIN, ATTR_HEIGHT, &height);
    const int wider = added_width();
    const int higher = std::max(0, height - g_layout.height);
    for (std::size_t k = 0; k < std::size(kAnchors); ++k) {
        Box b = g_layout.anchored[k];
        follow(kAnchors[k].across, wider, b.left, b.width);
        follow(kAnchors[k].down, higher, b.top, b.height);
        place_control(kAnchors[k].control, b);
    }
    Box scope = g_layout.scope;
    scope.width = g_layout.scope_width + wider;
    scope.height += higher;
    for (int control : kScope)
        place_control(control, scope);
    for (int page : first_row_pages()) {
        SetPanelAttribute(page, ATTR_LEFT, kFirstPageLeft + wider / 2);
        SetPanelAttribute(page, ATTR_TOP, kFirstPageTop + higher / 2);
    }
    for (int page : {panelPARAA2, panelPARAB2, panelEVAL2})
        SetPanelAttribute(page, ATTR_LEFT, kSecondPageLeft + wider);
    SetPanelAttribute(panelSTATS, ATTR_LEFT, kStatsLeft + wider);
    SetPanelAttribute(panelSTATS, ATTR_HEIGHT, kStatsHeight + higher);
}

void set_scope_base_width(int width)
{
    g_layout.scope_width = width;
    for (int control : kScope)
        SetCtrlAttribute(panelMAIN, control, ATTR_WIDTH, width + added_width());
}

void show_page_backdrop(bool shown)
{
    SetCtrlAttribute(panelMAIN, MAIN_PAGE_BACKDROP, ATTR_VISIBLE, shown ? 1 : 0);
}

// The program is ending: a placement that cannot be kept costs the next run
// only its window's place.
void save_window_placement()
{
    WriteSettingTexts(window_settings_file(), {{PLACEMENT_KEY, GetPanelPlacement(panelMAIN)}});
}

}  // namespace telvar
