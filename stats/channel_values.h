// SPDX-License-Identifier: GPL-3.0-or-later
// A channel's values out of the chart's history, each with the limits its
// sample was drawn with.
#pragma once

#include "platform/strip_samples.h"
#include "scope/strip_store.h"
#include "stats/channels.h"
#include "stats/figures.h"

#include <array>
#include <vector>

namespace telvar {

// Samples [from, to) of those kept into *out, which keeps its memory from
// one call to the next; samples not taken are no values.
void channel_values(const StripSamples& samples, const StatChannel& channel, long long from, long long to,
                    std::vector<LimitedValue>* out);

// The same as the history keeps them, without copying: at most two runs.
std::array<LimitedRun, 2> channel_runs(const StripStore& samples, const StatChannel& channel, long long from,
                                       long long to);

}  // namespace telvar
