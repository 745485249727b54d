// SPDX-License-Identifier: GPL-3.0-or-later
// Live acquisition: RUN polls the controller for its measurement values as
// fast as the line allows until STOP or a failure, and shows each sample as
// five numbers and on the 18-trace strip chart drawn against the record's
// levels and limits. Each sample carries the time its answer came; where the
// record breaks (RUN, STOP, an answer held up) the chart and the recording
// mark a gap rather than join the samples on either side.
#pragma once

#include "link/com232.h"
#include "platform/userint.h"
#include "scope/strip_store.h"
#include "scope/traces.h"

#include <chrono>

namespace telvar {

inline constexpr int STRIP_SAMPLES = 100;
// The screen is the recent window.
inline constexpr int STRIP_POINTS_PER_SCREEN = STRIP_SAMPLES;
// Two answers further apart than this are a break in the record, not a line
// to draw across: an exchange takes tens of milliseconds, with a retry half a
// second more.
inline constexpr std::chrono::milliseconds LIVE_GAP{1000};

extern unsigned short rawdata[PNUM];  // the last live sample
// The chart's history, 18 values a sample, kept for looking back over an
// hour; its newest STRIP_SAMPLES are the recent window, which reads 0
// before the first sample.
const StripStore& yArray();

// The strip chart's trace names, colours and styles, and the trace
// switches showing them; its history, empty.
void setup_strip_chart();

// The five numeric displays from live words 1 to 5.
void SetPanelDATA();
// Appends the live sample to the history and redraws the chart from it;
// the sample's values as plotted.
std::array<double, TRACES> PlotDATA();

// The live-data request and its answer into rawdata. A failure is reported
// (and ends any loop); a refusal only shows that the line is busy.
bool exchange_live_sample();
// After a good live answer: while nothing stopped the loop, progress 100,
// displays, chart, and the recorder's row, at the time the answer came, both
// marking a gap when the last sample shown came more than LIVE_GAP before.
void show_live_sample();

CtrlCallback CC_CMD_RUN;
CtrlCallback CC_CMD_STOP;
CtrlCallback CC_RADIO_TRACES;

}  // namespace telvar
