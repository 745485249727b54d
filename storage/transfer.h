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

// Send: the pages' values to the target. Get: the target's set onto the pages.
void SendParameter();
void GetParameter();

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
