// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder: RECORDER asks for a CSV file, and from then on every live
// sample the window displays becomes a row of it, until RECORDER is pressed
// again or the run ends (STOP, a failure of the line, the window's close). It
// sends nothing to the controller. Rows go out at least once a second, in
// pieces of whole rows that a killed tool leaves whole (see platform/csv_file.h).
#pragma once

#include "platform/userint.h"

#include <chrono>

namespace telvar {

inline constexpr int RECORDING_BUTTON_COLOR = 0xFF8000;
// The lamp beside the recorder's text: red while it records, amber while a
// write error that ended it stays shown (red would say it still records).
inline constexpr int RECORDING_LAMP_COLOR = 0xFF0000;
inline constexpr int RECORDING_FAILED_LAMP_COLOR = 0xFFB000;

// When a sample's answer came, and whether the record breaks before it (a
// run's start, an answer held up, a lost line).
struct SampleArrival {
    std::chrono::steady_clock::time_point at = std::chrono::steady_clock::now();
    bool after_gap = false;
};

bool recording();
// `live`: the 16 words of the sample; `traces`: its 18 values as plotted.
// The row carries the time the answer came. A break leaves an empty line
// before the row; a sample that came before the recording began is not
// recorded.
void record_sample(const unsigned short* live, const double* traces, const SampleArrival& arrival = {});
// Ends a recording, if one runs, with its last rows written. The status line
// keeps what the run said, unless the last write failed.
void stop_recording();

CtrlCallback CC_CMD_RECORDER;

}  // namespace telvar
