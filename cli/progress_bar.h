// SPDX-License-Identifier: GPL-3.0-or-later
// A job's progress as one line of a terminal.
#pragma once

#include <string>

namespace telvar::cli {

// "[##########----------]  50%", `width` characters between the brackets;
// the percentage is kept to 0-100.
std::string progress_bar(int percent, int width);

}  // namespace telvar::cli
