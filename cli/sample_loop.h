// SPDX-License-Identifier: GPL-3.0-or-later
// The live samples of live and publish, taken one after the other until
// the count is reached or a signal comes; a line that goes away by itself
// is waited for, and the samples go on without a gap in their numbers.
#pragma once

#include "cli/exit_codes.h"

#include <functional>

namespace telvar::cli {

struct SampleSink {
    // The sample in `rawdata`, numbered from 1; anything but EXIT_DONE ends.
    std::function<int(long seq)> take;
    // Before a lost line is waited for; anything but EXIT_DONE ends.
    std::function<int()> line_lost = [] { return int(EXIT_DONE); };
    std::function<void()> line_back = [] {};
    // Now and then while a lost line is waited for.
    std::function<void()> waiting = [] {};
};

// *taken counts the samples the sink took. A signal ends with EXIT_DONE.
int take_samples(long count, long* taken, const SampleSink& sink);

}  // namespace telvar::cli
