// SPDX-License-Identifier: GPL-3.0-or-later
// How the window shows what the cores report: the status texts on the
// status line, the commands' button groups, the wait cursor, the server's
// hang-up, a transfer's progress and a file without a parameter.
#pragma once

namespace telvar {

// From now on; again replaces the same observers.
void show_reports_in_window();

}  // namespace telvar
