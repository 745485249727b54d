// Where parameter sets are sent to and fetched from.
#pragma once

namespace telvar {

inline constexpr int RAM = 1;
inline constexpr int EEPROM = 2;
inline constexpr int DATFILE = 3;

extern int target;  // the selected parameter target: RAM, EEPROM or DATFILE

}  // namespace telvar
