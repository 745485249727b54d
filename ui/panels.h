// SPDX-License-Identifier: GPL-3.0-or-later
// Handles of the panels, as LoadPanel returned them.
#pragma once

namespace telvar {

extern const int& panelMAIN;
extern const int& panelPARAA;
extern const int& panelPARAA2;
extern const int& panelPARAB;
extern const int& panelPARAB2;
extern const int& panelEVAL;
extern const int& panelEVAL2;
extern const int& panelOUTPUTS;
extern const int& panelUPDATE;
extern const int& panelTEST;
extern const int& panelCOMPARE;
extern const int& panelInterf;
extern const int& panelMONITOR;
extern const int& panelSTATS;
extern const int& panelGAUGE;

// Loads every panel of the window into the handles above, the main panel
// first; false when one cannot be loaded.
bool load_panel_files();
void discard_panel_files();

}  // namespace telvar
