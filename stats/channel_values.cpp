// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/channel_values.h"

#include <algorithm>

namespace telvar {

void channel_values(const StripSamples& samples, const StatChannel& channel, long long from, long long to,
                    std::vector<LimitedValue>* out)
{
    from = std::max(from, samples.first());
    to = std::min(to, samples.end());
    out->clear();
    if (from >= to)
        return;
    out->resize(static_cast<std::size_t>(to - from));
    // A trace at a time through one buffer; the history counts its traces
    // from 0, the chart from 1.
    thread_local std::vector<double> trace_values;
    const auto take = [&](int trace, double LimitedValue::*field) {
        trace_values.clear();
        samples.values(trace - 1, from, to, &trace_values);
        for (std::size_t k = 0; k < out->size(); ++k)
            (*out)[k].*field = trace_values[k];
    };
    take(channel.value, &LimitedValue::value);
    take(channel.lower, &LimitedValue::lower);
    take(channel.upper, &LimitedValue::upper);
}

std::array<LimitedRun, 2> channel_runs(const StripStore& samples, const StatChannel& channel, long long from,
                                       long long to)
{
    from = std::max(from, samples.first());
    to = std::max(from, std::min(to, samples.end()));
    const auto value = samples.runs(channel.value - 1, from, to);
    const auto lower = samples.runs(channel.lower - 1, from, to);
    const auto upper = samples.runs(channel.upper - 1, from, to);
    return {LimitedRun{value[0], lower[0], upper[0]}, LimitedRun{value[1], lower[1], upper[1]}};
}

}  // namespace telvar
