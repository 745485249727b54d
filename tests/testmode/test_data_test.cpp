// SPDX-License-Identifier: GPL-3.0-or-later
// Word 2 of the test data from the switches and the two-colour lamps.
#include "platform/userint.h"
#include "testmode/test_data.h"

#include <gtest/gtest.h>

namespace telvar {
namespace {

TEST(TestBits, SwitchesAndLampsSetTheirBits)
{
    const TestSwitches off{0, 0, 0, VAL_RED, 0, VAL_YELLOW, 0};
    EXPECT_EQ(test_bits(off), 0x0080) << "everything off: the inverted switch's bit";
    TestSwitches s = off;
    s.switch1 = 1;
    s.inverted = 1;
    EXPECT_EQ(test_bits(s), 0x0001);
    s.switch1 = 2;  // only the lowest bit of a switch's value counts
    s.switch2 = 3;
    EXPECT_EQ(test_bits(s), 0x0002);

    const struct {
        int lamp1, colour1, lamp2, colour2;
        std::uint16_t bits;
    } lamps[] = {
        {1, VAL_RED, 0, VAL_YELLOW, 0x0004},   {1, VAL_GREEN, 0, VAL_YELLOW, 0x0020},
        {0, VAL_GREEN, 1, VAL_GREEN, 0x0008},  {0, VAL_RED, 1, VAL_YELLOW, 0x0010},
        {1, VAL_BLUE, 1, VAL_RED, 0x0000},     {0, VAL_RED, 0, VAL_GREEN, 0x0000},
    };
    for (const auto& l : lamps) {
        TestSwitches t{0, 0, l.lamp1, l.colour1, l.lamp2, l.colour2, 1};
        EXPECT_EQ(test_bits(t), l.bits) << std::hex << l.colour1 << " " << l.colour2;
    }
}

TEST(TestBits, LampsCycleBetweenTheirTwoColours)
{
    EXPECT_EQ(next_lamp1_colour(VAL_RED), VAL_GREEN);
    EXPECT_EQ(next_lamp1_colour(VAL_GREEN), VAL_RED);
    EXPECT_EQ(next_lamp2_colour(VAL_YELLOW), VAL_GREEN);
    EXPECT_EQ(next_lamp2_colour(VAL_GREEN), VAL_YELLOW);
    EXPECT_EQ(next_lamp1_colour(VAL_BLUE), VAL_BLUE) << "an unexpected colour stays";
}

}  // namespace
}  // namespace telvar
