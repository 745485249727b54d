// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/cursors.h"

#include "params/record.h"
#include "platform/graph.h"
#include "platform/translation.h"
#include "scope/cursor_readout.h"
#include "scope/data_memory.h"
#include "scope/live_sample.h"
#include "scope/memory_reading.h"
#include "scope/trace_switches.h"
#include "scope/trace_table.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <string>
#include <vector>

namespace telvar {

namespace {

// A channel's memory and the first of its six plots, in the order of graph_handle.
struct MemoryChannel {
    const unsigned short* memory;
    int block;
    int first_plot;
};

// The pretrigger step marks the trigger's place: it is read as such, not as a value.
constexpr int kPretriggerPlot = 2;

std::string strip_text(long long first, long long second, int active)
{
    std::vector<ShownTrace> shown;
    for (const TraceLook& look : TRACE_LOOKS)
        if (switch_on(look.group) && switch_on(look.detail))
            shown.push_back({look.trace - 1, tr_text("Traces", look.name)});
    return cursor_text(strip_readout(strip_history(), shown, first, second, active));
}

bool plot_shown(int plot)
{
    int colour = VAL_TRANSPARENT;
    return GetPlotAttribute(panelMAIN, MAIN_GRAPH, graph_handle[plot], ATTR_PLOT_COLOR, &colour) == 0
           && colour != VAL_TRANSPARENT;
}

// The curves drawn, as the graph draws them; the trigger of the first channel with a curve shown.
std::string memory_text(long long first, long long second, int active)
{
    const MemoryChannel channels[] = {{yArrayA, BLOCK_A, 0}, {yArrayB, BLOCK_B, 6}};
    CursorReadout r;
    r.first = std::clamp<long long>(first, 0, MEMORY_SAMPLES - 1);
    r.second = std::clamp<long long>(second, 0, MEMORY_SAMPLES - 1);
    r.active = active;
    for (const MemoryChannel& channel : channels) {
        const MemoryCurves c = memory_curves(parameter, channel.block);
        const unsigned short* curves[] = {channel.memory,      c.trigger.data(),   c.pretrigger.data(),
                                          c.upper.data(),      c.reference.data(), c.lower.data()};
        bool any = false;
        for (int k = 0; k < 6; ++k) {
            if (k == kPretriggerPlot || !plot_shown(channel.first_plot + k))
                continue;
            any = true;
            r.rows.push_back({tr_text("Traces", MEMORY_LOOKS[static_cast<std::size_t>(channel.first_plot + k)].name),
                              static_cast<double>(curves[k][r.first]), static_cast<double>(curves[k][r.second])});
        }
        if (any && !r.trigger)
            r.trigger = trigger_sample(c.pretrigger);
    }
    return cursor_text(r);
}

}  // namespace

void setup_cursors()
{
    SetChartCursorText(panelMAIN, MAIN_STRIPCHART, strip_text);
    SetChartCursorText(panelMAIN, MAIN_GRAPH, memory_text);
    SetCtrlVal(panelMAIN, MAIN_CURSORS, 0);
    CC_CURSORS(panelMAIN, MAIN_CURSORS, EVENT_COMMIT, nullptr, 0, 0);
}

void refresh_cursors()
{
    RefreshChartCursors(panelMAIN, MAIN_STRIPCHART);
    RefreshChartCursors(panelMAIN, MAIN_GRAPH);
}

int CC_CURSORS(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int on = 0;
    GetCtrlVal(panelMAIN, MAIN_CURSORS, &on);
    SetChartCursors(panelMAIN, MAIN_STRIPCHART, on);
    SetChartCursors(panelMAIN, MAIN_GRAPH, on);
    return 0;
}

}  // namespace telvar
