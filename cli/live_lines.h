// SPDX-License-Identifier: GPL-3.0-or-later
// live's samples as the plant's systems read them: one JSON object a line
// (JSON Lines), or one InfluxDB line-protocol point a line, with the same
// keys, each line ending in a newline.
#pragma once

#include "scope/traces.h"

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace telvar::cli {

struct LivePoint {
    std::chrono::system_clock::time_point time;
    long seq;                         // 1 for the command's first sample
    const unsigned short* live;       // the live words, 1 to 7 used
    std::array<double, TRACES> traces;
    std::string line;                 // as info names it
    std::string name;                 // --name; empty for none
};

std::string jsonl_line(const LivePoint& point);
std::string influx_line(const LivePoint& point);

// A tag value of the line protocol: commas, equals signs, spaces and
// backslashes escaped with a backslash, so that a value ending in one
// cannot swallow the space after it.
std::string influx_tag(std::string_view value);

}  // namespace telvar::cli
