// SPDX-License-Identifier: GPL-3.0-or-later
// The line to the controller, opened as the connection dialog opens it:
// the port or the connection first, then the line check and the version
// query; closed again when the command is done, also after a failure or a
// signal.
#pragma once

#include "cli/invocation.h"

#include <functional>
#include <string>

namespace telvar::cli {

// COM ports 65-80 are links to pseudo-terminals in /tmp, or in the folder
// that TELVAR_PTY_DIR names.
void find_pseudo_terminals_where_told();

// The line as the operator knows it: "TCP 10.0.0.5:10001",
// "COM33 /dev/ttyUSB0", or a device's path.
std::string line_name(const LineChoice& choice);

// Opens the line, runs the command and closes the line: the command's exit
// code, EXIT_LINK with the status text when the line does not open, or the
// signal's status when one came while it opened.
int with_line(const LineChoice& choice, const std::function<int()>& command);

// From now on a line that goes away by itself (the server hangs up, the
// device is gone) is waited for and opened again, as in the window.
void follow_lost_lines();
// After a failed exchange: whether the line was lost and is waited for.
bool line_is_waited_for();
// Says so on standard error and waits until the line is back (true, also
// said) or a signal comes (false); `waiting` is called at each look.
bool line_came_back(const std::function<void()>& waiting = [] {});

}  // namespace telvar::cli
