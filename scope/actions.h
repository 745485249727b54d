// SPDX-License-Identifier: GPL-3.0-or-later
// Single-shot orders from the main window that make the controller act:
// reset, and teach (after which the parameter set is fetched again so the
// pages show what the controller changed). TRIGGER has no order.
#pragma once

#include "platform/userint.h"

namespace telvar {

CtrlCallback CC_CMD_RESET;
CtrlCallback CC_CMD_TEACH;
CtrlCallback CC_CMD_TRIGGER;

}  // namespace telvar
