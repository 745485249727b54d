// SPDX-License-Identifier: GPL-3.0-or-later
// The record and the parameter pages: showing the whole record on the pages,
// reading it back from them, and the fields whose edits reach the record at
// once (the levels and limits that the live chart draws).
#pragma once

#include "params/record.h"
#include "platform/userint.h"

#include <array>
#include <cstdint>

namespace telvar {

// Shows the whole record on all parameter pages. The output preset and the
// locked state of the outputs page are left as they are.
void SetPanelValues();
// Rebuilds the record from all pages. Block numbers, the trigger hysteresis
// words and the controller's own word are never written.
void GetPanelValues();
// The set the pages show, read into a copy. The record stays as it is: it
// holds words the pages lack, and the live chart draws from it.
std::array<std::uint16_t, PARAMETER_WORDS> pages_record();

CtrlCallback CC_NUM_CHA;
CtrlCallback CC_NUM_CHB;
CtrlCallback CC_NUM_EVAL;

}  // namespace telvar
