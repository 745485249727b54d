#include "app/connection_indicator.h"

#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <string>

namespace telvar {

void setup_connection_indicator()
{
    show_connection(LineState{});
    set_line_observer(show_connection);
}

void show_connection(const LineState& state)
{
    std::string text = "Not connected";
    if (state.open) {
        text = state.line;
        if (!state.version.empty())
            text += "  \xB7  " + state.version;  // a middle dot in the platform's 8-bit text
    }
    SetCtrlAttribute(panelMAIN, MAIN_LINE_LAMP, ATTR_TEXT_BGCOLOR,
                     state.open ? LINE_OPEN_COLOR : LINE_CLOSED_COLOR);
    SetCtrlVal(panelMAIN, MAIN_LINE_TEXT, text.c_str());
}

}  // namespace telvar
