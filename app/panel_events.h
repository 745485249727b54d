// SPDX-License-Identifier: GPL-3.0-or-later
// Events of the panels themselves: closing the main window ends the program,
// closing the connection dialog hides it, the child pages ignore theirs
// (navigation is by the view selectors only).
#pragma once

#include "platform/userint.h"

namespace telvar {

PanelCallback CC_MAIN_PANEL;
PanelCallback CC_INTERFACEP;
PanelCallback CC_PANEL_CHA;
PanelCallback CC_PANEL_CHA2;
PanelCallback CC_PANEL_CHB;
PanelCallback CC_PANEL_CHB2;
PanelCallback CC_PANEL_EVAL;
PanelCallback CC_PANEL_EVL2;
PanelCallback CC_PANEL_OUT;
PanelCallback CC_PANEL_UPDT;
PanelCallback CC_PANEL_TEST;

}  // namespace telvar
