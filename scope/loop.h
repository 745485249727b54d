// SPDX-License-Identifier: GPL-3.0-or-later
// What the live loop and the data-memory loop share: how a run starts (only
// STOP stays usable, the running button red, its plot shown) and how it ends
// (always, also after a failure: every group enabled again).
#pragma once

namespace telvar {

// False, with the busy text on the status line, while another command holds
// the line: the loop then does not start.
bool begin_loop(int button, int shown_plot, int hidden_plot);
void end_loop(int button);
// The progress indicator of the main window.
void show_progress(int value);

}  // namespace telvar
