// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer's events in the window: the main window's progress bar, and
// the message that a chosen file holds no parameter.
#pragma once

namespace telvar {

void show_transfers_in_window();

}  // namespace telvar
