// SPDX-License-Identifier: GPL-3.0-or-later
// The outputs page: which bits of an output's mode word have a selector, and
// the presets that fill in a fixed assignment of the three switching outputs
// and the analog output, locking the page, or clear and free it.
#pragma once

#include <array>

namespace telvar {

// The thirteen mode bits of each output that have a selector.
inline constexpr std::array<int, 13> OUTPUT_MODE_BITS = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14};
// Output 2's selectors of these bits light red.
inline constexpr std::array<int, 3> OUTPUT_2_RED_BITS = {1, 4, 7};

struct OutputPreset {
    std::array<int, 3> mode_bit;  // the bit switched on in output 0, 1, 2; -1 for none
    int analog_mode;
    bool locked;
};

// The preset of a preset selector value; one outside 1-4 acts as 1.
const OutputPreset& output_preset(int value);

}  // namespace telvar
