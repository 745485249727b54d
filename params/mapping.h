// SPDX-License-Identifier: GPL-3.0-or-later
// The record and the parameter pages: showing the whole record on the pages,
// reading it back from them, and the fields whose edits reach the record at
// once (the levels and limits that the live chart draws).
#pragma once

#include "platform/userint.h"

namespace telvar {

// Shows the whole record on all parameter pages. The output preset and the
// locked state of the outputs page are left as they are.
void SetPanelValues();
// Rebuilds the record from all pages. Block numbers, the trigger hysteresis
// words and the controller's own word are never written.
void GetPanelValues();

CtrlCallback CC_NUM_CHA;
CtrlCallback CC_NUM_CHB;
CtrlCallback CC_NUM_EVAL;

}  // namespace telvar
