// SPDX-License-Identifier: GPL-3.0-or-later
// The data memory's graph: DATA reads the data memory of channel A, channel
// B or both in turn, draws it with the channel's trigger level, pretrigger
// step, reference and limits, and takes one live sample between passes,
// until STOP or a failure.
#pragma once

#include "platform/userint.h"
#include "scope/memory_reading.h"

namespace telvar {

inline constexpr int GRAPH_PLOTS = 12;
// Plots 0-5: channel A data and its five curves; 6-11 the same for channel B.
extern const int (&graph_handle)[GRAPH_PLOTS];

// Clears the graph and fills `count` handles with invisible placeholder plots.
int PreparePlotDATACurve(int* handles, int count);
// Replaces the plot `handle` by a plot of the 128 samples; the new handle.
int PlotDATACurve(const unsigned short* data, int handle, int color, int plotStyle, int lineStyle);

CtrlCallback CC_CMD_DATA;

}  // namespace telvar
