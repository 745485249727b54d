// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/loop.h"

#include "link/com232.h"
#include "link/command.h"
#include "link/line_watch.h"
#include "link/reconnect.h"
#include "platform/events.h"
#include "platform/userint.h"
#include "scope/recorder.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

namespace telvar {

namespace {

// A watching station left alone: RUN ended by a lost line goes on when the
// line is back by itself, as if pressed again, and its recording with it
// (after a gap row). The recording ends when RUN will not go on.
void resume_run_if_line_lost()
{
    const LineCondition condition = line_state().condition;
    if (condition == LineCondition::Lost || condition == LineCondition::Waiting)
        resume_when_back([] { CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0); }, stop_recording);
    else
        stop_recording();
}

}  // namespace

void show_progress(int value)
{
    SetCtrlVal(panelMAIN, MAIN_PROGRESS, value);
}

bool begin_loop(int button, int shown_plot, int hidden_plot)
{
    if (exchange_refused())
        return false;
    show_progress(0);
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 1);
    SetCtrlAttribute(panelMAIN, hidden_plot, ATTR_VISIBLE, 0);
    SetCtrlAttribute(panelMAIN, shown_plot, ATTR_VISIBLE, 1);
    SetCtrlAttribute(panelMAIN, MAIN_CMD_RUN, ATTR_DIMMED, 1);
    SetCtrlAttribute(panelMAIN, MAIN_CMD_DATA, ATTR_DIMMED, 1);
    set_test_panel_controls(0, -1);
    set_main_buttons(-1, 0, 0);
    SetCtrlAttribute(panelMAIN, button, ATTR_CMD_BUTTON_COLOR, ACTIVE_BUTTON_COLOR);
    lower_stop_flag();
    return true;
}

void end_loop(int button)
{
    show_progress(0);
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
    SetCtrlAttribute(panelMAIN, button, ATTR_CMD_BUTTON_COLOR, IDLE_BUTTON_COLOR);
    set_test_panel_controls(1, -1);
    set_main_buttons(1, 1, 1);
    clear_rx_flag();
    // The line may be told lost only after the exchange failed on it: the
    // news is already on its way, and is looked at once it has come.
    if (button == MAIN_CMD_RUN)
        PostDeferredCall(resume_run_if_line_lost);
    else
        stop_recording();
}

}  // namespace telvar
