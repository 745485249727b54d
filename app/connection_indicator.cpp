// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/connection_indicator.h"

#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <string>

namespace telvar {

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
}

}  // namespace telvar
