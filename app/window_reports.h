// SPDX-License-Identifier: GPL-3.0-or-later
// How the window shows what the link reports: the status texts on the
// status line, the commands' button groups, the wait cursor and the
// server's hang-up.
#pragma once

namespace telvar {

// From now on; again replaces the same observers.
void show_reports_in_window();

}  // namespace telvar
