// SPDX-License-Identifier: GPL-3.0-or-later
// A channel's values counted into bins of equal width, with the share of
// values beyond each limit written beside the limits' lines.
#pragma once

#include "stats/figures.h"

#include <optional>
#include <span>
#include <vector>

namespace telvar {

inline constexpr int HISTOGRAM_BINS = 32;

// The values' range [from, to).
struct HistogramRange {
    double from = 0;
    double to = 1;
};

struct Histogram {
    HistogramRange range;
    // Values in [from + k·width, from + (k+1)·width); values outside the
    // range are in no bin.
    std::vector<long> counts;
    // Of all values, against the last value's limits as the lines show them;
    // no value without values.
    std::optional<double> share_below;
    std::optional<double> share_above;
};

// From the smallest to just above the largest of the values and the last
// value's limits, so that the largest falls into the last bin and both
// limit lines are in sight; [0, 1) without values.
HistogramRange histogram_range(std::span<const LimitedValue> values, int bins = HISTOGRAM_BINS);

// `bins` bins over the range; none are counted into when from >= to.
Histogram compute_histogram(std::span<const LimitedValue> values, HistogramRange range, int bins = HISTOGRAM_BINS);
// The same over values as the chart's history keeps them, whose figures
// give the range (as histogram_range would) and the last limits.
Histogram histogram_of_runs(std::span<const LimitedRun> runs, const Figures& figures, int bins = HISTOGRAM_BINS);

}  // namespace telvar
