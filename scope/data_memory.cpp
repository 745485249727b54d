// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/data_memory.h"

#include "link/command.h"
#include "link/status.h"
#include "params/record.h"
#include "platform/events.h"
#include "platform/graph.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "scope/cursors.h"
#include "scope/loop.h"
#include "scope/trace_switches.h"
#include "scope/trace_table.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace telvar {

// The module's state, written only here; other files read it through the view below.
namespace state {
int graph_handle[GRAPH_PLOTS];
}  // namespace state

const int (&graph_handle)[GRAPH_PLOTS] = state::graph_handle;

namespace {

// The reference curves of the channel being drawn: trigger level, pretrigger
// step, upper limit, reference, lower limit; and the x values of the samples.
unsigned short yArrayC[MEMORY_SAMPLES];
unsigned short yArrayD[MEMORY_SAMPLES];
unsigned short yArrayE[MEMORY_SAMPLES];
unsigned short yArrayF[MEMORY_SAMPLES];
unsigned short yArrayG[MEMORY_SAMPLES];
unsigned short xArray[MEMORY_SAMPLES];

// The switches a pass reads, by TraceSwitch; the others play no part and stay off.
using Switches = std::array<bool, TRACE_SWITCHES>;

bool on(const Switches& s, TraceSwitch which)
{
    return s[static_cast<std::size_t>(which)];
}

// How one channel is drawn: its memory, its plots.
struct ChannelDrawing {
    int selector;
    const unsigned short* memory;
    int block;
    int first_plot;
};

const ChannelDrawing kDrawings[] = {
    {1, yArrayA, BLOCK_A, 0},
    {2, yArrayB, BLOCK_B, 6},
};

Switches read_switches()
{
    using enum TraceSwitch;
    Switches s{};
    for (const TraceSwitch which : {ChannelA, ChannelB, Trigger, Upper, Reference, Lower})
        s[static_cast<std::size_t>(which)] = switch_on(which);
    return s;
}

// Both channels on: B, A, B, ... starting with B.
int next_selector(const Switches& s, int selector)
{
    const bool a = on(s, TraceSwitch::ChannelA);
    const bool b = on(s, TraceSwitch::ChannelB);
    if (a && b)
        return selector == 2 ? 1 : 2;
    if (b)
        return 2;
    return a ? 1 : 0;
}

void fill_x()
{
    for (int k = 0; k < MEMORY_SAMPLES; ++k)
        xArray[k] = static_cast<unsigned short>(k);
}

// Hides the strip chart, shows the graph and sets its x axis.
void prepare_axes()
{
    SetCtrlAttribute(panelMAIN, MAIN_STRIPCHART, ATTR_VISIBLE, 0);
    SetCtrlAttribute(panelMAIN, MAIN_GRAPH, ATTR_VISIBLE, 1);
    fill_x();
    SetAxisScalingMode(panelMAIN, MAIN_GRAPH, VAL_XAXIS, VAL_MANUAL, 0, MEMORY_SAMPLES);
}

void draw_channel(const ChannelDrawing& d, const Switches& s)
{
    const MemoryCurves c = memory_curves(parameter, d.block);
    std::copy(c.trigger.begin(), c.trigger.end(), yArrayC);
    std::copy(c.pretrigger.begin(), c.pretrigger.end(), yArrayD);
    std::copy(c.upper.begin(), c.upper.end(), yArrayE);
    std::copy(c.reference.begin(), c.reference.end(), yArrayF);
    std::copy(c.lower.begin(), c.lower.end(), yArrayG);
    const unsigned short* curves[6] = {d.memory, yArrayC, yArrayD, yArrayE, yArrayF, yArrayG};
    for (int k = 0; k < 6; ++k) {
        const CurveLook& look = MEMORY_LOOKS[static_cast<std::size_t>(d.first_plot + k)];
        int& handle = state::graph_handle[d.first_plot + k];
        handle = PlotDATACurve(curves[k], handle, on(s, look.shown_by) ? look.colour : VAL_TRANSPARENT,
                               look.dashed ? VAL_THIN_LINE : VAL_FAT_LINE, look.dashed ? VAL_DASH : VAL_SOLID);
        SetPlotAttribute(panelMAIN, MAIN_GRAPH, handle, ATTR_PLOT_LG_TEXT, look.name);
        SetPlotAttribute(panelMAIN, MAIN_GRAPH, handle, ATTR_PLOT_SHOWN_TEXT, tr_text("Traces", look.name));
        if (look.mark)
            SetPlotAttribute(panelMAIN, MAIN_GRAPH, handle, ATTR_PLOT_EDGE_TEXT, tr_text("Traces", look.mark));
    }
}

}  // namespace

int PreparePlotDATACurve(int* handles, int count)
{
    prepare_axes();
    DeleteGraphPlot(panelMAIN, MAIN_GRAPH, -1, VAL_IMMEDIATE_DRAW);
    SetAxisScalingMode(panelMAIN, MAIN_GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, 0, LIMIT_MAX + 1);
    for (int k = 0; k < count; ++k)
        handles[k] = PlotXY(panelMAIN, MAIN_GRAPH, xArray, xArray, MEMORY_SAMPLES, VAL_UNSIGNED_SHORT_INTEGER,
                            VAL_UNSIGNED_SHORT_INTEGER, VAL_FAT_LINE, VAL_NO_POINT, VAL_SOLID, 1, VAL_TRANSPARENT);
    return 0;
}

int PlotDATACurve(const unsigned short* data, int handle, int color, int plotStyle, int lineStyle)
{
    prepare_axes();
    DeleteGraphPlot(panelMAIN, MAIN_GRAPH, handle, VAL_IMMEDIATE_DRAW);
    SetAxisScalingMode(panelMAIN, MAIN_GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, 0, LIMIT_MAX + 1);
    return PlotXY(panelMAIN, MAIN_GRAPH, xArray, data, MEMORY_SAMPLES, VAL_UNSIGNED_SHORT_INTEGER,
                  VAL_UNSIGNED_SHORT_INTEGER, plotStyle, VAL_NO_POINT, lineStyle, 1, color);
}

int CC_CMD_DATA(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !begin_loop(MAIN_CMD_DATA, MAIN_GRAPH, MAIN_STRIPCHART))
        return 0;
    show_memory_looks();
    bool prepared = false;
    int selector = 0;
    while (stop_flag == 0) {
        const Switches switches = read_switches();
        selector = next_selector(switches, selector);
        const MemoryReading reading = read_memory_pass(
            selector, [](int start) { show_progress(start * 100 / 144); },
            [] {
                show_status();
                ProcessSystemEvents();
            });
        if (reading.pass == MemoryPass::Failed)
            raise_stop_flag();
        show_status();
        ProcessSystemEvents();
        if (stop_flag == 0) {
            if (!prepared)
                PreparePlotDATACurve(state::graph_handle, GRAPH_PLOTS);
            prepared = true;
            for (const ChannelDrawing& d : kDrawings)
                if (d.selector == selector)
                    draw_channel(d, switches);
            refresh_cursors();
        }
        // The live phase runs also after a failed block phase.
        if (!exchange_live_sample())
            break;
        show_live_sample();
        show_status();
        ProcessSystemEvents();
    }
    end_loop(MAIN_CMD_DATA);
    return 0;
}

}  // namespace telvar
