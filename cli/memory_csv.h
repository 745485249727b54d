// SPDX-License-Identifier: GPL-3.0-or-later
// A channel's data-memory recording as CSV: a header row, then one row per
// sample with its place, the sample and the curves the graph draws beside
// it (trigger level, pretrigger step, upper limit, reference, lower limit).
// Comma separated, rows ended by CR LF, as the recorder's file.
#pragma once

#include "scope/traces.h"

#include <string>

namespace telvar::cli {

// `channel` 'A' or 'B'; `samples` the 128 samples of its memory.
std::string memory_csv(char channel, const unsigned short* samples, const MemoryCurves& curves);

}  // namespace telvar::cli
