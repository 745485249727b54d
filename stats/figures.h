// SPDX-License-Identifier: GPL-3.0-or-later
// How a channel's values spread against the limits the controller judges
// them by: the figures of the statistics pane, `telvar-k20 stats` and the
// report, computed in one place. A figure that has no meaning for the
// samples (too few, no spread, limits the wrong way round) has no value,
// and `reason` says why, in the words the pane's tooltip shows.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace telvar {

// One value with the limits in force when it was taken (the limit traces
// of its sample).
struct LimitedValue {
    double value;
    double lower;
    double upper;
};

struct Figures {
    long n = 0;
    std::optional<double> mean;   // n >= 1
    std::optional<double> sigma;  // standard deviation with n - 1; n >= 2
    std::optional<double> min;
    std::optional<double> max;
    std::optional<double> range;  // max - min
    std::optional<double> lower;  // the last value's limits, which cp and cpk use
    std::optional<double> upper;
    bool limits_changed = false;  // the limits were not the same for every value
    std::optional<double> cp;     // (upper - lower) / 6 sigma
    std::optional<double> cpk;    // min(upper - mean, mean - lower) / 3 sigma
    long outside = 0;             // values below the lower or above the upper limit
    std::optional<double> outside_percent;  // n >= 1
    // Why a figure has no value, each cause once, joined by "; "; empty
    // when all have one.
    std::string reason;
};

// The figures of the values, in two numerically stable passes (the sums
// about the first value, then the squares about the mean, corrected), which
// keep their precision also over a million values far from zero. Every
// value is counted outside against the last value's limits, the ones shown.
Figures compute_figures(std::span<const LimitedValue> values);

// Values kept elsewhere as parallel runs of floats, as the chart's history
// keeps them: value, lower and upper limit at each place.
struct LimitedRun {
    std::span<const float> value;
    std::span<const float> lower;
    std::span<const float> upper;
};

// The same figures over the runs, one after the other, without copying them.
Figures compute_figures(std::span<const LimitedRun> runs);

// The same figures updated one value at a time, for the statistics since
// a reset, which keep no values. As no value is kept, each is counted
// outside against its own limits when it comes; cp and cpk still use the
// last limits, and limits_changed tells when the two may differ.
class RunningFigures {
public:
    void add(const LimitedValue& value);
    void reset();
    Figures figures() const;

private:
    long n_ = 0;
    double mean_ = 0;
    double m2_ = 0;  // sum of squared differences from the mean
    double min_ = 0;
    double max_ = 0;
    double lower_ = 0;
    double upper_ = 0;
    bool limits_changed_ = false;
    long outside_ = 0;  // against the limits of each value's own time
};

}  // namespace telvar
