// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry, global defaults and the program's identity.
#pragma once

#include "platform/userint.h"

namespace telvar {

inline constexpr int NAME_SIZE = 72;

extern const char (&szSoftname)[NAME_SIZE];
extern const char (&szSoftversion)[NAME_SIZE];

// Loads the panels, sets the defaults and runs the event loop. 0 after a
// normal end, -1 when the platform or any panel fails to load.
int WinMain(int argc, char** argv);
void InitVars();
// After InitVars: the child panels placed, every subsystem's controls set up
// and the main window shown, CONNECT focused, as the operator first sees it.
void show_main_window();
// Tells the platform the roles and callbacks of every panel file.
void describe_panel_files();
// The eleven panels, in their order; false as soon as one fails to load.
bool load_panels();

}  // namespace telvar
