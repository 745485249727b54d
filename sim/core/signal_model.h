// SPDX-License-Identifier: GPL-3.0-or-later
// A measurement that looks real: per channel a target moving to and fro
// around the channel's reference, with noise and now and then a step, wide
// enough to cross the trigger level and both tolerance limits of the
// current parameter set. The evaluation swings around its own reference by
// the mean of the two channels' deviations, each taken relative to its own
// swing, so it crosses its limits when both channels are far out together.
// One call of step() is one scan.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

#include "sim/core/parameters.h"

namespace telvar::sim {

struct Sample {
    std::uint16_t evaluation = 0;
    std::uint16_t a = 0;
    std::uint16_t b = 0;
    std::uint16_t a_peak = 0;    // second value: maximum with decay
    std::uint16_t b_peak = 0;
    std::uint16_t a_valley = 0;  // third value: minimum with decay
    std::uint16_t b_valley = 0;
};

class SignalModel {
public:
    explicit SignalModel(std::uint32_t noise_start);

    const Sample& step(const ParameterSet& ram);
    const Sample& current() const { return sample_; }

private:
    struct Channel {
        int offset;          // first word of its parameter block
        double period;       // scans per swing
        double phase;
        bool started = false;
        double centre = 0;   // follows the reference smoothly, so a teach does not jump
        double step_offset = 0;
        int step_scans_left = 0;
        double deviation = 0;  // of the last scan, in units of the swing
        double peak = 0;
        double valley = 0;
    };

    double measure(Channel& channel, const ParameterSet& ram);
    void update_step(Channel& channel, double span);

    std::mt19937 random_;
    Channel a_;
    Channel b_;
    std::optional<double> evaluation_centre_;
    Sample sample_;
};

}  // namespace telvar::sim
