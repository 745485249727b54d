// SPDX-License-Identifier: GPL-3.0-or-later
// The outputs page beyond its one-to-one fields: the thirteen mode selectors
// of each switching output, the configuration flag that switches all of an
// output's selectors at once, and the presets that fill in a fixed
// assignment and lock the page.
#pragma once

#include "platform/userint.h"

#include <cstdint>

namespace telvar {

// For each output 0, 1, 2 whose argument is 0 or more, sets all its mode
// selectors to that value; -1 leaves the output alone. Output 2's selectors
// of bits 1, 4 and 7 light red afterwards.
void set_output_LED(int output0, int output1, int output2);
// 0 locks the page's 46 record controls (they only display); any other
// value frees them.
void enable_output_LED(int state);

// The mode words of the three outputs, shown on the selectors from the
// record, or read from them into a record's words.
void show_output_modes();
void read_output_modes(std::uint16_t* words);

CtrlCallback CC_RNG_OUTPUT_SETTING;
CtrlCallback CC_RNG_CONFIG;

}  // namespace telvar
