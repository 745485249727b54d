// SPDX-License-Identifier: GPL-3.0-or-later
// Where the file dialogs open: the parameter file, the recorder's CSV and
// the firmware files all start in the same folder.
#pragma once

#include "platform/userint.h"

#include <string>

namespace telvar {

extern const char (&dirName)[MAX_PATHNAME_LEN];
void set_dialogs_dir(const std::string& dir);

}  // namespace telvar
