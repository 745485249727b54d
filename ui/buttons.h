// SPDX-License-Identifier: GPL-3.0-or-later
// Enabling and dimming of the command-button groups. For each argument:
// -1 leaves the group as it is, 0 dims every member, any other value
// enables every member.
#pragma once

namespace telvar {

inline constexpr int IDLE_BUTTON_COLOR = 0xE0E0E0;
inline constexpr int ACTIVE_BUTTON_COLOR = 0xFF0000;

// Groups of the main panel: acquisition, sensor actions, parameter transfer.
// Whenever the acquisition group is switched, its colours go back to idle.
void set_main_buttons(int acquisition, int sensor_actions, int transfer);
// Groups of the test panel: enter/exit test mode, test data controls.
void set_test_panel_controls(int test_mode, int test_data);
// Both panels after a line was opened anew (Try and Accept, or a lost line
// back by itself). Whether the controller is still in test mode is not known
// then, so it counts as off: the test controls are dimmed, and main commands
// and test controls are never usable together.
void set_buttons_for_line(bool open);

}  // namespace telvar
