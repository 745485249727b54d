// SPDX-License-Identifier: GPL-3.0-or-later
// Switching between the working views of the main window, and printing it.
#pragma once

#include "platform/userint.h"

namespace telvar {

// Scope widths: full, and narrowed beside a second-page panel.
inline constexpr int SCOPE_FULL_WIDTH = 560;
inline constexpr int SCOPE_NARROW_WIDTH = 385;

// Start-up: Tab reaches a page where it stands, a first-row page after the
// view column, a second page after its selectors.
void place_pages_in_tab_order();

CtrlCallback CC_TOGBT_PNL_SELECTOR;
CtrlCallback CC_TOGBT_DATA_SELECTOR;
CtrlCallback CC_CMD_PRINT;

// The status line after printing `what` ("Main window"): where it went,
// that it failed, or nothing when the operator cancelled.
void tell_where_printed(int printed, const char* what);

}  // namespace telvar
