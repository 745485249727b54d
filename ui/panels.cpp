// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels.h"

namespace telvar {

int panelMAIN = 0;
int panelPARAA = 0;
int panelPARAA2 = 0;
int panelPARAB = 0;
int panelPARAB2 = 0;
int panelEVAL = 0;
int panelEVAL2 = 0;
int panelOUTPUTS = 0;
int panelUPDATE = 0;
int panelTEST = 0;
int panelCOMPARE = 0;
int panelInterf = 0;
int panelMONITOR = 0;

}  // namespace telvar
