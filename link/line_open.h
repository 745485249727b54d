// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing a line, the same steps on every transport.
#pragma once

#include "link/line_table.h"

namespace telvar {

// Mode 0 closes the line: 0 when it is closed (or nothing was open), 1 when
// closing failed. Mode 1 closes it if open, opens it with the settings and,
// when they ask for it, checks the line and queries the version: 1 when all
// of that went well, else 0. Each failure shows its text on the status line.
int init_line(const LineFunctions& line, const LineSettings& settings, int mode);

}  // namespace telvar
