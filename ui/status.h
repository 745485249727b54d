// SPDX-License-Identifier: GPL-3.0-or-later
// The status line of the main window, which shows the status texts.
#pragma once

namespace telvar {

// Room for the longest status text and the "..." of a cut one.
inline constexpr int STATUS_LINE_SIZE = 132;

// Shows the text on the status line, cut after its last whole word that
// fits; the line's description then holds the whole of it.
void show_on_status_line(const char* text);

}  // namespace telvar
