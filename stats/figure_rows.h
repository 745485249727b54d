// SPDX-License-Identifier: GPL-3.0-or-later
// The figures as rows of text, in the order the pane, the command line, the
// copied text, the CSV and the report show them. A figure without a value
// reads "–".
#pragma once

#include "stats/figures.h"

#include <string>

namespace telvar {

inline constexpr const char* NO_FIGURE = "–";

struct FigureRow {
    const char* key;    // as JSON and the command line's table name it
    const char* label;  // as the pane and the report name it
    std::string (*text)(const Figures& figures);
};

extern const FigureRow FIGURE_ROWS[12];

}  // namespace telvar
