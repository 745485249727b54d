// SPDX-License-Identifier: GPL-3.0-or-later
// What stats prints: the figures of channel A, channel B and the evaluation
// value as a table for the operator, or as one JSON object for scripts.
#pragma once

#include "cli/recording_csv.h"
#include "stats/figures_export.h"

#include <array>
#include <string>

namespace telvar::cli {


// {"a": {...}, "b": {...}, "evaluation": {...}}: each with n, mean, sigma,
// min, max, range, lower, upper, cp, cpk, outside, outside_percent (null
// without a value), limits_changed, and reason when a figure has none.
std::string stats_json(const ChannelFigures& figures);
// A figure a row, a channel a column, "–" for no value; below it, each
// channel's reasons and changed limits.
std::string stats_table(const ChannelFigures& figures);

}  // namespace telvar::cli
