// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/transfer_view.h"

#include "platform/userint.h"
#include "storage/transfer_events.h"
#include "ui/panels.h"
#include "ui/roles.h"

namespace telvar {

namespace {

void show_transfer_event(const TransferEvent& event)
{
    switch (event.kind) {
    case TransferEventKind::Progress:
        SetCtrlVal(panelMAIN, MAIN_PROGRESS, event.percent);
        SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 1);
        break;
    case TransferEventKind::ProgressHidden:
        SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
        break;
    case TransferEventKind::NoParameter:
        MessagePopup("ERROR", event.text.c_str());
        break;
    }
}

}  // namespace

void show_transfers_in_window()
{
    set_transfer_observer("window", show_transfer_event);
}

}  // namespace telvar
