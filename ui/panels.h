// SPDX-License-Identifier: GPL-3.0-or-later
// Handles of the panels, as LoadPanel returned them.
#pragma once

namespace telvar {

extern int panelMAIN;
extern int panelPARAA;
extern int panelPARAA2;
extern int panelPARAB;
extern int panelPARAB2;
extern int panelEVAL;
extern int panelEVAL2;
extern int panelOUTPUTS;
extern int panelUPDATE;
extern int panelTEST;
extern int panelCOMPARE;
extern int panelInterf;
extern int panelMONITOR;

}  // namespace telvar
