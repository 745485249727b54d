// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: the desktop's (LANGUAGE, LANG), or English or
// German as chosen in the banner and kept for the next start.
#pragma once

namespace telvar {

// Before the panels load: installs the chosen or the desktop's language.
void start_language();
// Shows the kept choice in the banner.
void setup_language_choice();

int CC_MAIN_LANGUAGE(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);

}  // namespace telvar
