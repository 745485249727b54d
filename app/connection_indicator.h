// SPDX-License-Identifier: GPL-3.0-or-later
// The lasting sign beside the status line of which line to the controller
// is open: a lamp, the line and the controller's version. The status line
// keeps the messages of each operation; this shows the state in between.
// While the line is lost, the number displays are dimmed and say so.
#pragma once

#include "link/line_watch.h"
#include "platform/translation.h"

namespace telvar {

inline constexpr int LINE_OPEN_COLOR = 0x00FF00;
inline constexpr int LINE_CLOSED_COLOR = 0xA0A0A0;
inline constexpr int LINE_LOST_COLOR = 0xFF0000;
inline constexpr int LINE_WAITING_COLOR = 0xFFB000;

// Why the number displays are dimmed; shown as tr_text("Window", ...).
inline constexpr const char* WAITING_FOR_LINE_TEXT = TR_NOOP("Window", "waiting for line");
inline constexpr const char* LINE_LOST_TEXT = TR_NOOP("Window", "line lost");

// Shows no line open, and follows every change the link reports from now on.
void setup_connection_indicator();
void show_connection(const LineState& state);

}  // namespace telvar
