// SPDX-License-Identifier: GPL-3.0-or-later
// Send and Get on the main window: the pages' values to the chosen target,
// or the target's set onto the pages; the three target buttons; and the
// question asked before the pages' changes not sent would be lost.
#pragma once

#include "platform/translation.h"
#include "platform/userint.h"

namespace telvar {

// Send: the pages' values to the target. Get: the target's set onto the
// pages. Either, when it succeeds, makes the set the pages' reference.
void SendParameter();
void GetParameter();
// Send, and whether the set reached the target.
bool send_pages();

inline constexpr const char* UNSENT_CHANGES_TITLE = TR_NOOP("Transfer", "Changes not sent");
inline constexpr const char* GET_OVER_CHANGES_TEXT =
    TR_NOOP("Transfer",
            "The pages hold changes that were not sent. Get would overwrite them.\n\n"
            "Send them first, discard them, or cancel the Get?");
inline constexpr const char* CLOSE_OVER_CHANGES_TEXT =
    TR_NOOP("Transfer",
            "The pages hold changes that were not sent. Closing would lose them.\n\n"
            "Send them first, discard them, or cancel closing?");
// Before something that would lose the pages' changes not sent: lists them
// and asks whether to Send them (to the chosen target), Discard them or Cancel. Whether to go on: after a
// Send that reached the target or a Discard; not after a failed Send or a
// Cancel. Without changes, it asks nothing and goes on. The question is one
// of the two above, asked in the window's language.
bool settle_unsent_changes(const char* question);

CtrlCallback CC_BTNSend;
CtrlCallback CC_BTNGet;
// The three target buttons, one radio group.
CtrlCallback CC_RADIO_MEMORY;

}  // namespace telvar
