// SPDX-License-Identifier: GPL-3.0-or-later
// The banner at the top of the main window: decoration colour, logo
// pictures, supplier lines, program name and version, in one of eight
// branding variants chosen at start-up.
#pragma once

namespace telvar {

inline constexpr int STARTUP_BRANDING = 2;

// Draws the banner of a variant 0-7; 5 and any other number draw nothing.
void ShowLogo(int variant);
// Makes a bold text of the application font on the main panel at (left, top).
// The first argument is not used.
void ShowInfoText(int control, int background, int color, const char* text, int left, int top,
                  int pointSize);

}  // namespace telvar
