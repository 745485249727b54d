// SPDX-License-Identifier: GPL-3.0-or-later
// Live acquisition: RUN polls the controller for its measurement values as
// fast as the line allows until STOP or a failure, and shows each sample as
// five numbers and on the 18-trace strip chart drawn against the record's
// levels and limits. Each sample carries the time its answer came; where the
// record breaks (RUN, STOP, an answer held up) the chart and the recording
// mark a gap rather than join the samples on either side.
#pragma once

#include "platform/userint.h"
#include "scope/live_sample.h"
#include "scope/traces.h"

#include <array>

namespace telvar {

// The strip chart's trace names, colours and styles, and the trace
// switches showing them; its history, empty; the cursors of both charts off.
void setup_strip_chart();

// The five numeric displays from live words 1 to 5.
void SetPanelDATA();
// Appends the live sample to the history and redraws the chart from it;
// the sample's values as plotted.
std::array<double, TRACES> PlotDATA();

// After a good live answer: while nothing stopped the loop, progress 100,
// displays, chart, and the recorder's row, at the time the answer came, both
// marking a gap when the last sample shown came more than LIVE_GAP before.
void show_live_sample();

CtrlCallback CC_CMD_RUN;
CtrlCallback CC_CMD_STOP;
CtrlCallback CC_RADIO_TRACES;

}  // namespace telvar
