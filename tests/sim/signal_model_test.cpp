// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/signal_model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace telvar::sim {
namespace {

constexpr int kMinute = 6000;  // scans

struct Range {
    int low = 4096;
    int high = -1;
    void add(int value)
    {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    bool crosses(int limit) const { return low < limit && high > limit; }
};

TEST(SignalModelTest, CrossesTheLimitsAndTriggerLevelsOfTheParameterSet)
{
    ParameterSet ram = factory_parameters();
    SignalModel model(1);
    for (int round = 0; round < 2; ++round) {
        for (int k = 0; k < 500; ++k)
            model.step(ram);
        Range a, b, evaluation;
        for (int k = 0; k < kMinute; ++k) {
            const Sample& s = model.step(ram);
            a.add(s.a);
            b.add(s.b);
            evaluation.add(s.evaluation);
        }
        const auto& w = ram.words;
        EXPECT_TRUE(a.crosses(w[11]) && a.crosses(w[6] + w[8]) && a.crosses(w[6] - w[7])) << "round " << round;
        EXPECT_TRUE(b.crosses(w[27]) && b.crosses(w[22] + w[24]) && b.crosses(w[22] - w[23])) << "round " << round;
        EXPECT_TRUE(evaluation.crosses(w[44] + w[46]) && evaluation.crosses(w[44] - w[45])) << "round " << round;
        EXPECT_LT(a.high, w[6] + 1000) << "stays near its reference";

        // An edited set moves the swing along.
        ram.words[6] = 600;
        ram.words[7] = ram.words[8] = 50;
        ram.words[11] = 620;
    }
}

TEST(SignalModelTest, StaysWithinTwelveBitsAtTheEdges)
{
    ParameterSet ram = factory_parameters();
    ram.words[6] = 4095;
    ram.words[8] = 0xFFFF;
    ram.words[22] = 0;
    ram.words[23] = 0xFFFF;
    SignalModel model(3);
    for (int k = 0; k < kMinute; ++k) {
        const Sample& s = model.step(ram);
        for (std::uint16_t value : {s.a, s.b, s.evaluation, s.a_peak, s.b_peak, s.a_valley, s.b_valley})
            ASSERT_LE(value, 4095);
    }
}

}  // namespace
}  // namespace telvar::sim
