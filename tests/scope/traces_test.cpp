// SPDX-License-Identifier: GPL-3.0-or-later
// The values the live chart and the data-memory graph draw.
#include "params/record.h"
#include "scope/traces.h"

#include <gtest/gtest.h>

#include <array>

namespace telvar {
namespace {

TEST(Traces, SampleCarriesTheLiveWordsAndTheLimitsOfTheRecord)
{
    std::array<std::uint16_t, 16> live{};
    for (int w = 1; w <= 7; ++w)
        live[w] = static_cast<std::uint16_t>(1000 + w);
    std::array<std::uint16_t, PARAMETER_WORDS> r{};
    r[BLOCK_A + CH_TRIGGER_LEVEL] = 2300;
    r[BLOCK_A + CH_REFERENCE] = 2000;
    r[BLOCK_A + CH_LOW_TOLERANCE] = 300;
    r[BLOCK_A + CH_HIGH_TOLERANCE] = 200;
    r[BLOCK_B + CH_TRIGGER_LEVEL] = 1900;
    r[BLOCK_B + CH_REFERENCE] = 4000;   // 4000 + 200 is drawn at 4095
    r[BLOCK_B + CH_HIGH_TOLERANCE] = 200;
    r[BLOCK_B + CH_LOW_TOLERANCE] = 100;
    r[EVAL_REFERENCE] = 100;             // 100 - 300 is drawn at 0
    r[EVAL_LOW_TOLERANCE] = 300;
    r[EVAL_HIGH_TOLERANCE] = 50;
    const std::array<double, TRACES> expected = {
        1002, 1003, 1001,          // A, B, evaluation
        2300, 2200, 2000, 1700,    // channel A trigger, upper, reference, lower
        1900, 4095, 4000, 3900,    // channel B
        150, 100, 0,               // evaluation upper, reference, lower
        1004, 1006, 1005, 1007,    // A second and third, B second and third
    };
    EXPECT_EQ(sample_traces(live.data(), r.data()), expected);
}

TEST(Traces, LimitsStayWithinTwelveBitsWithoutWrapping)
{
    EXPECT_EQ(upper_limit(65535, 65535), 4095);
    EXPECT_EQ(upper_limit(4095, 0), 4095);
    EXPECT_EQ(upper_limit(3000, 1095), 4095);
    EXPECT_EQ(lower_limit(0, 65535), 0);
    EXPECT_EQ(lower_limit(100, 100), 0);
    EXPECT_EQ(lower_limit(100, 99), 1);
}

TEST(Traces, PretriggerStepStartsAtItsPlaceAndNeverBeyondTheMemory)
{
    std::array<std::uint16_t, PARAMETER_WORDS> r{};
    const auto step_start = [&](int pretrigger) {
        r[BLOCK_B + CH_PRETRIGGER] = static_cast<std::uint16_t>(pretrigger);
        const MemoryCurves c = memory_curves(r.data(), BLOCK_B);
        int first = -1;
        for (int k = 0; k < MEMORY_SAMPLES; ++k) {
            EXPECT_TRUE(c.pretrigger[k] == 0 || c.pretrigger[k] == 4095);
            if (first < 0 && c.pretrigger[k] == 4095)
                first = k;
            if (first >= 0) {
                EXPECT_EQ(c.pretrigger[k], 4095) << "a step, not a pulse";
            }
        }
        return first;
    };
    EXPECT_EQ(step_start(40), 40);
    EXPECT_EQ(step_start(0), 0);
    EXPECT_EQ(step_start(127), 127);
    EXPECT_EQ(step_start(128), -1);
    EXPECT_EQ(step_start(200), -1);
}

TEST(Traces, MemoryCurvesComeFromTheChannelsOwnBlock)
{
    std::array<std::uint16_t, PARAMETER_WORDS> r{};
    r[BLOCK_A + CH_REFERENCE] = 1;
    r[BLOCK_B + CH_REFERENCE] = 3000;
    r[BLOCK_B + CH_HIGH_TOLERANCE] = 2000;
    r[BLOCK_B + CH_LOW_TOLERANCE] = 500;
    r[BLOCK_B + CH_TRIGGER_LEVEL] = 2500;
    const MemoryCurves c = memory_curves(r.data(), BLOCK_B);
    for (int k : {0, 64, 127}) {
        EXPECT_EQ(c.reference[k], 3000);
        EXPECT_EQ(c.upper[k], 4095);
        EXPECT_EQ(c.lower[k], 2500);
        EXPECT_EQ(c.trigger[k], 2500);
    }
}

}  // namespace
}  // namespace telvar
