// SPDX-License-Identifier: GPL-3.0-or-later
// The test data block: which word of the 16 each test control fills, and
// the bits of word 2 that the switches and the two-colour lamps set.
#pragma once

#include <cstdint>

namespace telvar {

// Words filled from the numeric test controls, in the panel's read order:
// word 0, word 1, then (after word 2) word 3, word 7, word 10, word 4, word 5.
inline constexpr int TEST_BITS_WORD = 2;

struct TestSwitches {
    int switch1;          // value of the first switch
    int switch2;          // value of the second switch
    int lamp1;            // value of the first lamp
    int lamp1_colour;     // its on-colour: red or green
    int lamp2;
    int lamp2_colour;     // yellow or green
    int inverted;         // value of the inverted switch
};

// Word 2 from the switches and lamps; an unexpected on-colour sets no bit.
std::uint16_t test_bits(const TestSwitches& s);

// The colour a lamp lights next after being switched off.
int next_lamp1_colour(int colour);
int next_lamp2_colour(int colour);

}  // namespace telvar
