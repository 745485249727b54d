// SPDX-License-Identifier: GPL-3.0-or-later
// The platform for programs without windows: links, files, clock, timers
// and events work, and nothing needs a display.
#pragma once

namespace telvar {

// Starts the platform's event loop without windows. 1 on success.
int InitConsole(int argc, char** argv);

}  // namespace telvar
