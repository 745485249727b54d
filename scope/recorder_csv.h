// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder's CSV: a header row, then one row per displayed live sample
// with the local time its answer came, the seconds since the recording
// started, the live words 1-7 and the threshold traces 4-14 as the chart drew
// them; an empty line where the record breaks (an answer held up, a lost
// line), the times of the rows on either side telling how long. Comma
// separated, rows ended by CR LF, so that a spreadsheet opens it directly.
#pragma once

#include <string>

namespace telvar {

inline constexpr const char* RECORDER_GAP = "\r\n";

std::string recorder_header();
// `live`: the 16 words of the sample; `traces`: its 18 trace values.
std::string recorder_row(const std::string& local_time, double seconds, const unsigned short* live,
                         const double* traces);

}  // namespace telvar
