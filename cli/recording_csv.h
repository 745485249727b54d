// SPDX-License-Identifier: GPL-3.0-or-later
// stats reading a recording, the recorder's or live's CSV, a line at a
// time: channel A, channel B and the evaluation value of each row with the
// limits the chart drew for it. Empty lines are the recorder's breaks.
#pragma once

#include "stats/channels.h"
#include "stats/figures.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace telvar::cli {

// The channels in the order stats reports them: a, b, evaluation.
inline constexpr int RECORDING_CHANNELS = static_cast<int>(std::size(STAT_CHANNELS));

struct RecordingValues {
    std::array<std::vector<LimitedValue>, RECORDING_CHANNELS> channels;
};

class RecordingCsv {
public:
    // The file's next line, with or without its line end; false with
    // `error` saying what is wrong in it, for the operator after
    // "FILE:LINE: ".
    bool take(std::string_view line, std::string* error);
    // The number of the line taken last, from 1.
    long line() const { return line_; }
    const RecordingValues& values() const { return values_; }

private:
    bool take_header(std::string_view line, std::string* error);

    long line_ = 0;
    bool header_seen_ = false;
    std::size_t fields_ = 0;
    // For each channel the columns of its value, lower and upper limit.
    std::array<std::array<std::size_t, 3>, RECORDING_CHANNELS> columns_{};
    std::vector<std::string_view> pieces_;
    RecordingValues values_;
};

}  // namespace telvar::cli
