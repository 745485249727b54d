// SPDX-License-Identifier: GPL-3.0-or-later
// Field values of shared and negated words, and the output presets.
#include "params/conversions.h"
#include "params/output_presets.h"

#include <gtest/gtest.h>

namespace telvar {
namespace {

TEST(Conversions, TolerancesBelowTheReferenceAreShownNegated)
{
    EXPECT_EQ(field_value(Conversion::Negated, 100), -100);
    EXPECT_EQ(word_bits(Conversion::Negated, -250), 250);
    EXPECT_EQ(word_bits(Conversion::Negated, -100), 100);
    EXPECT_EQ(word_bits(Conversion::Negated, 0), 0);
}

TEST(Conversions, TeachBytesShareOneWord)
{
    EXPECT_EQ(field_value(Conversion::LowByte, 0x1234), 0x34);
    EXPECT_EQ(field_value(Conversion::HighByte, 0x1234), 0x12);
    EXPECT_EQ(word_bits(Conversion::LowByte, 52) | word_bits(Conversion::HighByte, 18), 0x1234);
}

TEST(Conversions, ConfigurationFlagOwnsBitZero)
{
    EXPECT_EQ(field_value(Conversion::ConfigFlag, 0x0007), 1);
    EXPECT_EQ(field_value(Conversion::ConfigValue, 0x0007), 6);
    EXPECT_EQ(word_bits(Conversion::ConfigFlag, 1) | word_bits(Conversion::ConfigValue, 6), 0x0007);
    // An odd value cannot set the flag's bit.
    EXPECT_EQ(word_bits(Conversion::ConfigFlag, 0) | word_bits(Conversion::ConfigValue, 7), 0x0006);
}

TEST(OutputPresets, EachSwitchesOneBitOfAGroupOfThreeAndLocks)
{
    EXPECT_EQ(output_preset(3).mode_bit, (std::array<int, 3>{3, 5, 4}));
    EXPECT_EQ(output_preset(3).analog_mode, 8);
    EXPECT_TRUE(output_preset(3).locked);
    EXPECT_EQ(output_preset(2).analog_mode, 128);
    EXPECT_EQ(output_preset(4).analog_mode, 256);
    for (int outside : {0, 5, -1, 32767}) {
        EXPECT_FALSE(output_preset(outside).locked);
        EXPECT_EQ(output_preset(outside).mode_bit, (std::array<int, 3>{-1, -1, -1}));
    }
}

}  // namespace
}  // namespace telvar
