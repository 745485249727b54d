// SPDX-License-Identifier: GPL-3.0-or-later
// What the window's program answers from its command line alone: --version
// and --help go to standard output without a display and without a window.
#pragma once

#include <optional>

namespace telvar {

// The exit code when the command line was answered; nothing when the
// window is to start (other arguments are Qt's own, such as -platform).
std::optional<int> answer_command_line(int argc, char** argv);

}  // namespace telvar
