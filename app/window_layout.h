// SPDX-License-Identifier: GPL-3.0-or-later
// The main window grows: the scope (strip chart and data-memory graph) takes
// the room a larger window adds, the controls under it move down, those at
// its right move right. The pages keep their size, over a plain backdrop
// that covers the scope's room: the first row centred in that room, the
// second pages beside the scope. The window's size and place are kept from
// one run to the next.
#pragma once

#include <string>

namespace telvar {

// The settings file of the window's own choices (its place, its language).
std::string window_settings_file();

// Start-up: takes the panel file's geometry as the layout at the smallest
// window, sets the pages in their places, and puts the window where it was
// last.
void setup_window_layout();
// Lays the window out for its size now; the main window's size event.
void apply_window_layout();
// The scope's width in the smallest window: full, or beside a second page.
void set_scope_base_width(int width);
// The backdrop under a first-row page, shown with it.
void show_page_backdrop(bool shown);
// Keeps the window's size and place for the next run.
void save_window_placement();

}  // namespace telvar
