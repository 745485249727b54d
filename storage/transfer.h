// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the parameter record to and from the controller's RAM, its EEPROM
// or a parameter file. To and from the controller the record goes as three
// frames, one per block; the progress is told as transfer events, the
// outcome on the status line.
#pragma once

namespace telvar {

inline constexpr int RAM = 1;
inline constexpr int EEPROM = 2;
inline constexpr int DATFILE = 3;

// The selected parameter target: RAM, EEPROM or DATFILE.
extern const int& target;
void choose_target(int place);

// Send: the record to the target (to file, to pathName). Get: the target's
// set into the record. Either, when it succeeds, makes the set the
// reference. Whether it succeeded.
bool send_to_target();
bool get_from_target();

// The record itself to or from the controller's RAM or EEPROM, three frames:
// what Send and Get do with the controller. False when a frame failed
// (reported as Send and Get report it). A fetch leaves the progress shown at
// 100 for its caller to hide.
bool send_record(int to);
bool fetch_record(int from);

}  // namespace telvar
