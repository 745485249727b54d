// The data memory readout: DATA reads the controller's triggered data memory
// of channel A, channel B or both in turn, 8 blocks of 16 samples a pass,
// draws it with the channel's trigger level, pretrigger step, reference and
// limits, and takes one live sample between passes, until STOP or a failure.
#pragma once

#include "scope/traces.h"

namespace telvar {

inline constexpr int MAXBLOCK = 16;
inline constexpr int GRAPH_PLOTS = 12;
// The data memories of channel A and B; a block not received keeps its samples.
extern unsigned short yArrayA[MEMORY_SAMPLES];
extern unsigned short yArrayB[MEMORY_SAMPLES];
// The reference curves of the channel being drawn: trigger level, pretrigger
// step, upper limit, reference, lower limit.
extern unsigned short yArrayC[MEMORY_SAMPLES];
extern unsigned short yArrayD[MEMORY_SAMPLES];
extern unsigned short yArrayE[MEMORY_SAMPLES];
extern unsigned short yArrayF[MEMORY_SAMPLES];
extern unsigned short yArrayG[MEMORY_SAMPLES];
extern unsigned short xArray[MEMORY_SAMPLES];
// Plots 0-5: channel A data and its five curves; 6-11 the same for channel B.
extern int graph_handle[GRAPH_PLOTS];

enum class MemoryBlock {
    Stored,     // its 16 samples are in yArrayA or yArrayB
    NoNewData,  // no new trigger event: the memory holds nothing new
    Ignored,    // another answer code: nothing stored
    Failed,     // the exchange failed, reported as a failed command is
};

// One block request of a pass: the block of 16 samples of the selected
// channel (1 A, 2 B, 0 none) from `start` on. The status text is set as the
// pass shows it, but not shown.
MemoryBlock read_memory_block(int selector, int start);

// Clears the graph and fills `count` handles with invisible placeholder plots.
int PreparePlotDATACurve(int* handles, int count);
// Replaces the plot `handle` by a plot of the 128 samples; the new handle.
int PlotDATACurve(const unsigned short* data, int handle, int color, int plotStyle, int lineStyle);

int CC_CMD_DATA(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);

}  // namespace telvar
