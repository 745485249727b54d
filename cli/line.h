// The line to the controller, opened as the connection dialog opens it:
// the port or the connection first, then the line check and the version
// query; closed again when the command is done, also after a failure.
#pragma once

#include "cli/invocation.h"

#include <functional>

namespace telvar::cli {

// COM ports 65-80 are links to pseudo-terminals in /tmp, or in the folder
// that TELVAR_PTY_DIR names.
void find_pseudo_terminals_where_told();

// Opens the line, runs the command and closes the line: the command's exit
// code, or EXIT_LINK with the status text when the line does not open.
int with_line(const LineChoice& choice, const std::function<int()>& command);

}  // namespace telvar::cli
