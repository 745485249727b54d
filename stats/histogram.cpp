// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/histogram.h"

#include <algorithm>
#include <cmath>

namespace telvar {

HistogramRange histogram_range(std::span<const LimitedValue> values, int bins)
{
    if (values.empty())
        return {};
    double low = std::min(values.back().lower, values.back().upper);
    double high = std::max(values.back().lower, values.back().upper);
    for (const LimitedValue& value : values) {
        low = std::min(low, value.value);
        high = std::max(high, value.value);
    }
    // One bin's width more, so that the largest is inside [from, to); a
    // single value gets a bin of width 1.
    const double width = high > low ? (high - low) / std::max(bins - 1, 1) : 1;
    return {low, high + width};
}

Histogram compute_histogram(std::span<const LimitedValue> values, HistogramRange range, int bins)
{
    Histogram histogram;
    histogram.range = range;
    histogram.counts.assign(std::size_t(std::max(bins, 1)), 0);
    const double width = (range.to - range.from) / double(histogram.counts.size());
    long below = 0;
    long above = 0;
    for (const LimitedValue& value : values) {
        below += value.value < values.back().lower;
        above += value.value > values.back().upper;
        if (!(width > 0) || !(value.value >= range.from && value.value < range.to))
            continue;
        // Rounding may put a value just below `to` one bin too far.
        const auto bin = std::min(std::size_t((value.value - range.from) / width), histogram.counts.size() - 1);
        ++histogram.counts[bin];
    }
    if (!values.empty()) {
        histogram.share_below = double(below) / double(values.size());
        histogram.share_above = double(above) / double(values.size());
    }
    return histogram;
}

}  // namespace telvar
