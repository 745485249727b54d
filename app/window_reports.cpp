// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_reports.h"

#include "link/line_watch.h"
#include "link/link_events.h"
#include "link/status.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "storage/transfer_events.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"
#include "ui/status.h"

namespace telvar {

namespace {

// With reconnecting on, nobody need be at the screen: the notice holds
// nothing up and goes when the line is back. Without it the message waits
// for the operator.
void show_hang_up(bool waiting)
{
    const char* title = tr_text("Line", HANG_UP_TITLE);
    const char* text = tr_text("Line", HANG_UP_TEXT);
    if (!waiting) {
        MessagePopup(title, text);
        return;
    }
    const int notice = NoticePopup(title, text);
    set_line_observer("hang-up notice", [notice](const LineState& state) {
        if (!state.open())
            return;
        CloseNotice(notice);
        set_line_observer("hang-up notice", nullptr);
    });
}

void show_link_event(LinkEvent event)
{
    switch (event) {
    case LinkEvent::CommandsUsable:
        set_main_buttons(1, 1, 1);
        break;
    case LinkEvent::CommandsStopped:
        set_main_buttons(0, 0, 0);
        break;
    case LinkEvent::LineBack:
        set_buttons_for_line(true);
        break;
    case LinkEvent::Busy:
        SetWaitCursor(1);
        break;
    case LinkEvent::NotBusy:
        SetWaitCursor(0);
        break;
    case LinkEvent::HungUp:
    case LinkEvent::HungUpWaiting:
        show_hang_up(event == LinkEvent::HungUpWaiting);
        break;
    }
}

void show_transfer_event(const TransferEvent& event)
{
    switch (event.kind) {
    case TransferEventKind::Progress:
        SetCtrlVal(panelMAIN, MAIN_PROGRESS, event.percent);
        // A transfer's start shows the bar; its steps only move it.
        if (event.percent == 0)
            SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 1);
        break;
    case TransferEventKind::ProgressHidden:
        SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
        break;
    case TransferEventKind::NoParameter:
        MessagePopup(tr_text("Window", "ERROR"), event.text.c_str());
        break;
    }
}

}  // namespace

void show_reports_in_window()
{
    set_status_observer("status line", show_on_status_line);
    set_link_observer("window", show_link_event);
    set_transfer_observer("window", show_transfer_event);
}

}  // namespace telvar
