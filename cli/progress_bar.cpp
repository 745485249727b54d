// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_bar.h"

#include <algorithm>
#include <cstdio>

namespace telvar::cli {

std::string progress_bar(int percent, int width)
{
    const int shown = std::clamp(percent, 0, 100);
    const int done = width * shown / 100;
    char figure[8];
    std::snprintf(figure, sizeof figure, "%4d%%", shown);
    return "[" + std::string(done, '#') + std::string(width - done, '-') + "]" + figure;
}

}  // namespace telvar::cli
