// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the three channels as a table another program takes: a
// row of titles, a row per figure, and the reasons of the figures without
// a value last.
#pragma once

#include "stats/channels.h"
#include "stats/figures.h"

#include <array>
#include <string>

namespace telvar {

using ChannelFigures = std::array<Figures, std::size(STAT_CHANNELS)>;

// Tab between the cells, for the clipboard; a line each. In the window's
// words, as the operator reads them: `window` too.
std::string figures_text(const ChannelFigures& figures, const std::string& window);
// Comma separated, rows ended by CR LF, for a spreadsheet. English whatever
// the window's language, as a program reading the file expects: `window` too.
std::string figures_csv(const ChannelFigures& figures, const std::string& window);

}  // namespace telvar
