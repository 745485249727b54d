// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the parameter record between the pages and the controller's RAM,
// its EEPROM or a parameter file. To and from the controller the record goes
// as three frames, one per block, with progress and outcome on the main
// window.
#pragma once

#include "platform/userint.h"

namespace telvar {

inline constexpr int RAM = 1;
inline constexpr int EEPROM = 2;
inline constexpr int DATFILE = 3;

extern int target;  // the selected parameter target: RAM, EEPROM or DATFILE

// Send: the pages' values to the target. Get: the target's set onto the
// pages. Either, when it succeeds, makes the set the pages' reference.
void SendParameter();
void GetParameter();
// Send, and whether the set reached the target.
bool send_pages();

inline constexpr const char* UNSENT_CHANGES_TITLE = "Changes not sent";
inline constexpr const char* GET_OVER_CHANGES_TEXT =
    "The pages hold changes that were not sent. Get would overwrite them.\n\n"
    "Send them first, discard them, or cancel the Get?";
inline constexpr const char* CLOSE_OVER_CHANGES_TEXT =
    "The pages hold changes that were not sent. Closing would lose them.\n\n"
    "Send them first, discard them, or cancel closing?";
// Before something that would lose the pages' changes not sent: lists them
// and asks whether to Send them (to the chosen target), Discard them or Cancel. Whether to go on: after a
// Send that reached the target or a Discard; not after a failed Send or a
// Cancel. Without changes, it asks nothing and goes on.
bool settle_unsent_changes(const char* question);

// The record itself to or from the controller's RAM or EEPROM, three frames,
// without the pages: what Send and Get do after and before them. False when
// a frame failed (reported as Send and Get report it). A fetch leaves the
// progress indicator shown at 100 for its caller to hide.
bool send_record(int to);
bool fetch_record(int from);

CtrlCallback CC_BTNSend;
CtrlCallback CC_BTNGet;
// The three target buttons, one radio group.
CtrlCallback CC_RADIO_MEMORY;

}  // namespace telvar
