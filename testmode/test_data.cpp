// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmode/test_data.h"

#include "platform/userint.h"

namespace telvar {

std::uint16_t test_bits(const TestSwitches& s)
{
    std::uint16_t bits = 0;
    if (s.switch1 & 1)
        bits |= 0x0001;
    if (s.switch2 & 1)
        bits |= 0x0002;
    if (s.lamp1 && s.lamp1_colour == VAL_RED)
        bits |= 0x0004;
    if (s.lamp2 && s.lamp2_colour == VAL_GREEN)
        bits |= 0x0008;
    if (s.lamp2 && s.lamp2_colour == VAL_YELLOW)
        bits |= 0x0010;
    if (s.lamp1 && s.lamp1_colour == VAL_GREEN)
        bits |= 0x0020;
    if (s.inverted == 0)
        bits |= 0x0080;
    return bits;
}

int next_lamp1_colour(int colour)
{
    return colour == VAL_RED ? VAL_GREEN : colour == VAL_GREEN ? VAL_RED : colour;
}

int next_lamp2_colour(int colour)
{
    return colour == VAL_YELLOW ? VAL_GREEN : colour == VAL_GREEN ? VAL_YELLOW : colour;
}

}  // namespace telvar
