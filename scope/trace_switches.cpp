// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/trace_switches.h"

#include "platform/graph.h"
#include "platform/line_samples.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <vector>

namespace telvar {

namespace {

// In the order of TraceSwitch.
constexpr int kControls[TRACE_SWITCHES] = {MAIN_TRACE_CHA,       MAIN_TRACE_CHB,   MAIN_TRACE_EVAL,
                                           MAIN_TRACE_TRIGGER,   MAIN_TRACE_UPPER, MAIN_TRACE_REFERENCE,
                                           MAIN_TRACE_LOWER,     MAIN_TRACE_2ND,   MAIN_TRACE_3RD};

// A line drawn, the switch that shows it and the channel it belongs to.
struct SwitchedLine {
    TraceSwitch shown_by;
    TraceSwitch channel;
    LineSample look;
};

// Each switch shows the first line of each channel it switches.
void show_looks(const std::vector<SwitchedLine>& lines)
{
    for (int s = 0; s < TRACE_SWITCHES; ++s) {
        std::vector<LineSample> samples;
        std::vector<TraceSwitch> channels;
        for (const SwitchedLine& line : lines) {
            if (static_cast<int>(line.shown_by) != s
                || std::find(channels.begin(), channels.end(), line.channel) != channels.end())
                continue;
            channels.push_back(line.channel);
            samples.push_back(line.look);
        }
        SetCtrlLineSamples(panelMAIN, kControls[s], samples);
    }
}

}  // namespace

bool switch_on(TraceSwitch s)
{
    if (s == TraceSwitch::None)
        return true;
    int on = 0;
    GetCtrlVal(panelMAIN, kControls[static_cast<int>(s)], &on);
    return on != 0;
}

void show_strip_looks()
{
    std::vector<SwitchedLine> lines;
    for (const TraceLook& t : TRACE_LOOKS)
        lines.push_back({t.detail == TraceSwitch::None ? t.group : t.detail, t.group,
                         {t.colour, t.style, trace_thickness(t) > 1}});
    show_looks(lines);
}

void show_memory_looks()
{
    std::vector<SwitchedLine> lines;
    for (const CurveLook& c : MEMORY_LOOKS)
        lines.push_back({c.shown_by, c.channel, {c.colour, c.dashed ? VAL_DASH : VAL_SOLID, !c.dashed}});
    show_looks(lines);
}

}  // namespace telvar
