// SPDX-License-Identifier: GPL-3.0-or-later
// The data memory readout: DATA reads the controller's triggered data memory
// of channel A, channel B or both in turn, 8 blocks of 16 samples a pass,
// draws it with the channel's trigger level, pretrigger step, reference and
// limits, and takes one live sample between passes, until STOP or a failure.
#pragma once

#include "platform/userint.h"
#include "scope/traces.h"

#include <functional>

namespace telvar {

inline constexpr int MAXBLOCK = 16;
inline constexpr int GRAPH_PLOTS = 12;
// The data memories of channel A and B; a block not received keeps its samples.
extern unsigned short yArrayA[MEMORY_SAMPLES];
extern unsigned short yArrayB[MEMORY_SAMPLES];
// Plots 0-5: channel A data and its five curves; 6-11 the same for channel B.
extern int graph_handle[GRAPH_PLOTS];

enum class MemoryPass {
    Complete,    // every block stored
    Partial,     // an answer of another code left a block as it was
    NothingNew,  // no new trigger event: the rest of the blocks was not asked for
    Failed,      // an exchange failed, reported as a failed command is
};

struct MemoryReading {
    MemoryPass pass;
    const unsigned short* memory;  // yArrayA or yArrayB as the pass left it; nullptr for no channel
};

// One pass over the memory of the selected channel (1 A, 2 B, 0 none), in
// blocks of 16 samples. `before_block` gets each block's start index before
// it is asked for; `after_block` runs after each block that was answered
// with a block code, the status text set as the pass shows it.
MemoryReading read_memory_pass(int selector, const std::function<void(int start)>& before_block,
                               const std::function<void()>& after_block);

// Clears the graph and fills `count` handles with invisible placeholder plots.
int PreparePlotDATACurve(int* handles, int count);
// Replaces the plot `handle` by a plot of the 128 samples; the new handle.
int PlotDATACurve(const unsigned short* data, int handle, int color, int plotStyle, int lineStyle);

CtrlCallback CC_CMD_DATA;

}  // namespace telvar
