// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/channel_values.h"

#include <algorithm>

namespace telvar {

std::vector<LimitedValue> channel_values(const StripSamples& samples, const StatChannel& channel, long long from,
                                         long long to)
{
    from = std::max(from, samples.first());
    to = std::min(to, samples.end());
    std::vector<LimitedValue> values;
    if (from >= to)
        return values;
    // The history counts its traces from 0, the chart from 1.
    std::vector<double> value, lower, upper;
    samples.values(channel.value - 1, from, to, &value);
    samples.values(channel.lower - 1, from, to, &lower);
    samples.values(channel.upper - 1, from, to, &upper);
    values.reserve(value.size());
    for (std::size_t k = 0; k < value.size(); ++k)
        values.push_back({value[k], lower[k], upper[k]});
    return values;
}

}  // namespace telvar
