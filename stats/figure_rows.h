// SPDX-License-Identifier: GPL-3.0-or-later
// The figures as rows of text, in the order the pane, the command line, the
// copied text, the CSV and the report show them. A figure without a value
// reads "–".
#pragma once

#include "stats/channels.h"
#include "stats/figures.h"

#include <string>

namespace telvar {

inline constexpr const char* NO_FIGURE = "–";

struct FigureRow {
    const char* key;    // as JSON and the command line's table name it
    const char* label;  // as the CSV file names it; shown_label() as the pane and the report do
    std::string (*text)(const Figures& figures);
};

extern const FigureRow FIGURE_ROWS[12];

// The labels in the window's words (English where no translation is
// installed, as in the command-line tool).
const char* shown_label(const FigureRow& row);
const char* shown_label(const StatChannel& channel);
// A reason of Figures in the window's words, each cause translated and
// still joined by "; ". The figures keep the English, which the CSV file,
// the JSON and the command line write.
std::string shown_reason(const std::string& reason);
// The same for any reason, each cause through `shown`.
std::string shown_causes(const std::string& reason, const char* (*shown)(const char* cause));

}  // namespace telvar
