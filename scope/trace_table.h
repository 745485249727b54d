// SPDX-License-Identifier: GPL-3.0-or-later
// How the strip chart draws each of its 18 traces, and which of the nine
// trace switches shows it: each channel in one colour family, measured
// values solid, thresholds dashed.
#pragma once

#include "scope/traces.h"

#include <span>

namespace telvar {

// The trace switches of the main window; a trace is visible when its
// group's switch is on and, for a detail trace, its detail switch too.
enum class TraceSwitch { ChannelA, ChannelB, Evaluation, Trigger, Upper, Reference, Lower, Second, Third, None };

struct TraceLook {
    int trace;            // 1 to 18
    const char* name;     // in the legend and in saved data
    int colour;
    bool dashed;
    TraceSwitch group;
    TraceSwitch detail;   // None: the group's measured value itself
};

extern const std::span<const TraceLook> TRACE_LOOKS;

}  // namespace telvar
