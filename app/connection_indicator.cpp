// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/connection_indicator.h"

#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <string>

namespace telvar {

namespace {

constexpr int kNumberDisplays[] = {MAIN_NUM_EVAL, MAIN_NUM_CHA, MAIN_NUM_CHB, MAIN_NUM_CHA_2ND, MAIN_NUM_CHB_2ND};
constexpr int kNumberCaptions[] = {MAIN_NUM_EVAL_CAPTION, MAIN_NUM_CHA_CAPTION, MAIN_NUM_CHB_CAPTION,
                                   MAIN_NUM_CHA_2ND_CAPTION, MAIN_NUM_CHB_2ND_CAPTION};

// The last values stay in the displays while the line is lost: dimmed, and
// saying why, so that nobody reads them as live.
void show_numbers_live(const LineState& state)
{
    const char* reason = state.condition == LineCondition::Waiting ? WAITING_FOR_LINE_TEXT
        : state.condition == LineCondition::Lost                   ? LINE_LOST_TEXT
                                                                   : "";
    const int dimmed = *reason ? 1 : 0;
    for (int display : kNumberDisplays) {
        SetCtrlAttribute(panelMAIN, display, ATTR_DIMMED, dimmed);
        SetCtrlAttribute(panelMAIN, display, ATTR_DIMMED_REASON, reason);
    }
    for (int caption : kNumberCaptions)
        SetCtrlAttribute(panelMAIN, caption, ATTR_DIMMED, dimmed);
}

}  // namespace

void setup_connection_indicator()
{
    show_connection(LineState{});
    set_line_observer("indicator", show_connection);
}

void show_connection(const LineState& state)
{
    // A middle dot in the platform's 8-bit text.
    const std::string dot = "  \xB7  ";
    std::string text = "Not connected";
    int colour = LINE_CLOSED_COLOR;
    switch (state.condition) {
    case LineCondition::Closed:
        break;
    case LineCondition::Open:
        text = state.line + (state.version.empty() ? "" : dot + state.version);
        colour = LINE_OPEN_COLOR;
        break;
    case LineCondition::Lost:
        text = "Lost" + dot + state.line;
        colour = LINE_LOST_COLOR;
        break;
    case LineCondition::Waiting:
        text = "Lost" + dot + "waiting for " + state.line;
        colour = LINE_WAITING_COLOR;
        break;
    }
    SetCtrlAttribute(panelMAIN, MAIN_LINE_LAMP, ATTR_TEXT_BGCOLOR, colour);
    SetCtrlVal(panelMAIN, MAIN_LINE_TEXT, text.c_str());
    show_numbers_live(state);
}

}  // namespace telvar
