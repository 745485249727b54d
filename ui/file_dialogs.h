// SPDX-License-Identifier: GPL-3.0-or-later
// Where the file dialogs open: the parameter file, the recorder's CSV and
// the firmware files all start in the same folder.
#pragma once

#include "platform/userint.h"

namespace telvar {

extern char dirName[MAX_PATHNAME_LEN];

}  // namespace telvar
