// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/recorder_csv.h"

#include "scope/trace_table.h"

#include <cstdio>

namespace telvar {

namespace {

constexpr const char* kLiveNames[] = {"evaluation",       "channel A",        "channel B",       "channel A second",
                                      "channel B second", "channel A third",  "channel B third"};
constexpr int kFirstThreshold = TRACE_A_TRIGGER;
constexpr int kLastThreshold = TRACE_EVAL_LOWER;

}  // namespace

std::string recorder_header()
{
    std::string header = "time,seconds";
    for (const char* name : kLiveNames)
        header += std::string(",") + name;
    for (int trace = kFirstThreshold; trace <= kLastThreshold; ++trace)
        header += std::string(",") + TRACE_LOOKS[trace - 1].name;
    return header + "\r\n";
}

std::string recorder_row(const std::string& local_time, double seconds, const unsigned short* live,
                         const double* traces)
{
    char number[32];
    std::snprintf(number, sizeof number, "%.3f", seconds);
    std::string row = local_time + "," + number;
    for (int word = 1; word <= 7; ++word)
        row += "," + std::to_string(live[word]);
    for (int trace = kFirstThreshold; trace <= kLastThreshold; ++trace) {
        std::snprintf(number, sizeof number, "%.0f", traces[trace - 1]);
        row += std::string(",") + number;
    }
    return row + "\r\n";
}

}  // namespace telvar
