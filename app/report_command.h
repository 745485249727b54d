// SPDX-License-Identifier: GPL-3.0-or-later
// REPORT: the set the pages show as a parameter report, printed or written
// to a PDF file through the print dialog that PRINT uses. It talks with no
// controller, so it runs beside a running command.
#pragma once

#include "platform/userint.h"

namespace telvar {

CtrlCallback CC_CMD_REPORT;

}  // namespace telvar
