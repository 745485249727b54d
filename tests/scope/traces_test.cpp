// SPDX-License-Identifier: GPL-3.0-or-later
// The values the live chart and the data-memory graph draw.
#include "params/record.h"
#include "scope/cursor_readout.h"
#include "scope/strip_store.h"
#include "scope/traces.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

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
        // The cursors count their samples from where the step rises.
        EXPECT_EQ(trigger_sample(c.pretrigger), first < 0 ? std::nullopt : std::optional<long long>(first));
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

// Samples 3 to 7 kept of 8, a quarter second apart: trace 0 counts them,
// trace 1 rises by two, trace 2 falls by a half.
TEST(Traces, CursorReadoutTellsTheTracesShownAtBothCursorsAndHowFarApartTheyAre)
{
    StripStore ring(3, 5);
    for (int n = 0; n < 8; ++n)
        ring.push(std::vector<double>{double(n), 100.0 + 2 * n, 1000 - 0.5 * n}, 1000 + 0.25 * n);
    const std::vector<ShownTrace> both = {{0, "Channel A"}, {2, "Evaluation"}};
    struct Case {
        const char* what;
        long long first, second;
        int active;
        std::vector<ShownTrace> shown;
        std::string text;
    };
    const Case cases[] = {
        {"apart, cursor 1 active", 4, 6, 0, both,
         "Cursor 1: sample 4 (active)\n"
         "Cursor 2: sample 6\n"
         "Trace       Cursor 1  Cursor 2  Difference\n"
         "Channel A          4         6          +2\n"
         "Evaluation       998       997          -1\n"
         "Difference: +2 samples, +0.500 s"},
        {"the other way round, halves", 5, 3, 1, {{2, "Evaluation"}},
         "Cursor 1: sample 5\n"
         "Cursor 2: sample 3 (active)\n"
         "Trace       Cursor 1  Cursor 2  Difference\n"
         "Evaluation   997.500   998.500          +1\n"
         "Difference: -2 samples, -0.500 s"},
        {"dropped and not yet taken: the nearest kept", 1, 20, 0, {{1, "B"}},
         "Cursor 1: sample 3 (active)\n"
         "Cursor 2: sample 7\n"
         "Trace  Cursor 1  Cursor 2  Difference\n"
         "B           106       114          +8\n"
         "Difference: +4 samples, +1.000 s"},
        {"a name with umlauts, its column counted in characters", 4, 6, 0, {{0, "Prüfwert A"}, {2, "Evaluation"}},
         "Cursor 1: sample 4 (active)\n"
         "Cursor 2: sample 6\n"
         "Trace       Cursor 1  Cursor 2  Difference\n"
         "Prüfwert A         4         6          +2\n"
         "Evaluation       998       997          -1\n"
         "Difference: +2 samples, +0.500 s"},
        {"on one sample, nothing shown", 6, 6, 1, {},
         "Cursor 1: sample 6\n"
         "Cursor 2: sample 6 (active)\n"
         "No trace shown\n"
         "Difference: 0 samples, 0.000 s"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cursor_text(strip_readout(ring, c.shown, c.first, c.second, c.active)), c.text) << c.what;

    StripStore empty(3, 5);
    EXPECT_EQ(cursor_text(strip_readout(empty, both, 0, 1, 0)),
              "Cursor 1: sample 0 (active)\nCursor 2: sample 1\nNo samples under the cursors\nDifference: +1 sample");

    // The data memory counts from the trigger and has no times.
    CursorReadout memory;
    memory.first = 40;
    memory.second = 90;
    memory.trigger = 64;
    memory.rows = {{"Channel A data", 1200, 1180}};
    EXPECT_EQ(cursor_text(memory), "Cursor 1: sample 40, -24 from the trigger (active)\n"
                                   "Cursor 2: sample 90, +26 from the trigger\n"
                                   "Trace           Cursor 1  Cursor 2  Difference\n"
                                   "Channel A data      1200      1180         -20\n"
                                   "Difference: +50 samples");
}

}  // namespace
}  // namespace telvar
