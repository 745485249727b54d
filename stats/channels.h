// SPDX-License-Identifier: GPL-3.0-or-later
// The three values the statistics judge, each with the traces of its limits
// and reference, as the chart draws them: one table for the pane, the
// histogram, the command line and the report.
#pragma once

#include "platform/translation.h"
#include "scope/traces.h"

namespace telvar {

struct StatChannel {
    const char* key;    // in JSON and CSV
    const char* label;  // English, as the CSV file has it; shown_label() in the window's words
    int value;          // trace numbers, 1 to 18
    int lower;
    int upper;
    int reference;
};

inline constexpr StatChannel STAT_CHANNELS[] = {
    {"a", TR_NOOP("Statistics", "Channel A"), TRACE_A, TRACE_A_LOWER, TRACE_A_UPPER, TRACE_A_REFERENCE},
    {"b", TR_NOOP("Statistics", "Channel B"), TRACE_B, TRACE_B_LOWER, TRACE_B_UPPER, TRACE_B_REFERENCE},
    {"evaluation", TR_NOOP("Statistics", "Evaluation"), TRACE_EVAL, TRACE_EVAL_LOWER, TRACE_EVAL_UPPER,
     TRACE_EVAL_REFERENCE},
};

}  // namespace telvar
