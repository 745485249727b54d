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

namespace {

// `each(f)` calls f(value) for every value; the shares are of all values,
// against the last value's limits.
template <typename Each>
Histogram histogram_of(std::size_t count, double lower, double upper, HistogramRange range, int bins, Each each)
{
    Histogram histogram;
    histogram.range = range;
    histogram.counts.assign(std::size_t(std::max(bins, 1)), 0);
    const double width = (range.to - range.from) / double(histogram.counts.size());
    long below = 0;
    long above = 0;
    each([&](double value) {
        below += value < lower;
        above += value > upper;
        if (!(width > 0) || !(value >= range.from && value < range.to))
            return;
        // Rounding may put a value just below `to` one bin too far.
        const auto bin = std::min(std::size_t((value - range.from) / width), histogram.counts.size() - 1);
        ++histogram.counts[bin];
    });
    if (count > 0) {
        histogram.share_below = double(below) / double(count);
        histogram.share_above = double(above) / double(count);
    }
    return histogram;
}

}  // namespace

Histogram compute_histogram(std::span<const LimitedValue> values, HistogramRange range, int bins)
{
    const double lower = values.empty() ? 0 : values.back().lower;
    const double upper = values.empty() ? 0 : values.back().upper;
    return histogram_of(values.size(), lower, upper, range, bins, [&](auto&& f) {
        for (const LimitedValue& v : values)
            f(v.value);
    });
}

Histogram histogram_of_runs(std::span<const LimitedRun> runs, const Figures& figures, int bins)
{
    HistogramRange range;
    if (figures.min && figures.max && figures.lower && figures.upper) {
        const double low = std::min({*figures.min, *figures.lower, *figures.upper});
        const double high = std::max({*figures.max, *figures.lower, *figures.upper});
        const double width = high > low ? (high - low) / std::max(bins - 1, 1) : 1;
        range = {low, high + width};
    }
    return histogram_of(std::size_t(figures.n), figures.lower.value_or(0), figures.upper.value_or(0), range, bins,
                        [&](auto&& f) {
                            for (const LimitedRun& run : runs)
                                for (const float v : run.value)
                                    f(v);
                        });
}

}  // namespace telvar
