// SPDX-License-Identifier: GPL-3.0-or-later
// Compare: the pages' set against the controller's RAM or EEPROM or a
// parameter file, chosen as for Send and Get. Every difference is listed in
// a window of its own, from which the operator takes one value or all onto
// the pages, or exports the list as CSV. Neither the record nor the pages
// change until a value is taken.
#pragma once

#include "platform/translation.h"
#include "platform/userint.h"

namespace telvar {

inline constexpr const char* COMPARE_FILE_FAILED_TEXT = TR_NOOP("Compare", "Compare with file failed.");

CtrlCallback CC_BTNCompare;
CtrlCallback CC_COMPARE_TAKE;
CtrlCallback CC_COMPARE_TAKE_ALL;
CtrlCallback CC_COMPARE_EXPORT;
CtrlCallback CC_COMPARE_CLOSE;
PanelCallback CC_PANEL_COMPARE;

}  // namespace telvar
