// SPDX-License-Identifier: GPL-3.0-or-later
// The live sample: the controller's measurement values, asked for one
// request at a time, each with the time its answer came; and the strip
// chart's history of them, kept for looking back over an hour.
#pragma once

#include "link/com232.h"
#include "scope/strip_store.h"

#include <chrono>

namespace telvar {

inline constexpr int STRIP_SAMPLES = 100;
// The screen is the recent window.
inline constexpr int STRIP_POINTS_PER_SCREEN = STRIP_SAMPLES;
// Two answers further apart than this are a break in the record, not a line
// to draw across: an exchange takes tens of milliseconds, with a retry half a
// second more.
inline constexpr std::chrono::milliseconds LIVE_GAP{1000};

extern const unsigned short (&rawdata)[PNUM];  // the last live sample
// The chart's history, 18 values a sample, kept for looking back over an
// hour; its newest STRIP_SAMPLES are the recent window, which reads 0
// before the first sample.
const StripStore& yArray();
// The same history, for the chart that adds the samples it shows and for
// starting it anew.
StripStore& strip_history();

// The live-data request and its answer into rawdata. A failure is reported
// (and ends any loop); a refusal only shows that the line is busy.
bool exchange_live_sample();
// When the last live answer came.
std::chrono::steady_clock::time_point live_answer_time();
double seconds_since_epoch(std::chrono::steady_clock::time_point at);

}  // namespace telvar
