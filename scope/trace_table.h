// SPDX-License-Identifier: GPL-3.0-or-later
// How the strip chart draws each of its 18 traces and the data-memory graph
// each of its 12 plots, and which of the nine trace switches shows each.
// Strip chart: each channel in one colour family; its measured values fat,
// its thresholds thin, and within each of the two every line in a style and a
// shade of its own, so that none is told from another by its place alone.
// Data-memory graph: a channel's data fat and solid, its levels thin and
// dashed.
#pragma once

#include "scope/traces.h"

#include <span>

namespace telvar {

// The trace switches of the main window; a trace is visible when its
// group's switch is on and, for a detail trace, its detail switch too.
enum class TraceSwitch { ChannelA, ChannelB, Evaluation, Trigger, Upper, Reference, Lower, Second, Third, None };
inline constexpr int TRACE_SWITCHES = 9;

struct TraceLook {
    int trace;            // 1 to 18
    // English, as the recorder's file names it; the chart shows
    // tr_text("Traces", name).
    const char* name;
    int colour;
    int style;            // VAL_SOLID, VAL_DASH, ...
    TraceSwitch group;
    TraceSwitch detail;   // None: the group's measured value itself
};

extern const std::span<const TraceLook> TRACE_LOOKS;

// A measured value: the group's own, its second or its third.
inline bool measured(const TraceLook& look)
{
    return look.detail == TraceSwitch::None || look.detail == TraceSwitch::Second
           || look.detail == TraceSwitch::Third;
}

// Measured values are drawn thicker than the thresholds.
inline int trace_thickness(const TraceLook& look)
{
    return measured(look) ? 2 : 1;
}

struct CurveLook {
    const char* name;     // English; shown as tr_text("Traces", name)
    int colour;
    bool dashed;          // and thin; solid curves are fat
    const char* mark;     // nullptr, or the label of its steps' edges, drawn instead of a line (English, as name)
    TraceSwitch channel;  // ChannelA or ChannelB
    TraceSwitch shown_by; // drawn transparent while that switch is off
};

// In the order of graph_handle: channel A's data, trigger level, pretrigger
// step, upper limit, reference and lower limit, then channel B's.
extern const std::span<const CurveLook> MEMORY_LOOKS;

}  // namespace telvar
