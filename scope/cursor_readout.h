// SPDX-License-Identifier: GPL-3.0-or-later
// What two cursors on a chart read: for each trace shown, its value at
// either cursor and the difference, and how far apart the cursors stand: in
// samples and seconds on the strip chart, in samples and each from the
// trigger on the data-memory graph. Text only: the chart draws the cursors.
#pragma once

#include "platform/strip_samples.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace telvar {

struct CursorRow {
    std::string name;
    double first;   // at cursor 1
    double second;  // at cursor 2
};

struct CursorReadout {
    long long first = 0;  // the samples the cursors stand on
    long long second = 0;
    int active = 0;  // 0 cursor 1, 1 cursor 2: the one the keys move
    bool has_samples = true;
    std::vector<CursorRow> rows;
    std::optional<double> seconds;      // from cursor 1 to cursor 2
    std::optional<long long> trigger;   // the sample the trigger is on
};

// A trace of the strip chart: its number among the samples' traces, from 0.
struct ShownTrace {
    int trace;
    const char* name;
};

// The strip chart's readout from the samples kept. A cursor on a sample no
// longer kept (or not yet taken) reads the nearest sample kept; without
// samples there are no rows.
CursorReadout strip_readout(const StripSamples& samples, std::span<const ShownTrace> shown, long long first,
                            long long second, int active);

// The sample the trigger is on: where the pretrigger step rises; none when
// the step lies beyond the memory.
std::optional<long long> trigger_sample(std::span<const std::uint16_t> pretrigger);

// A line for each cursor, one for each row with its columns aligned, and the
// difference between the cursors.
std::string cursor_text(const CursorReadout& readout);

}  // namespace telvar
