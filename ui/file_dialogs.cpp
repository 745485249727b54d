// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_dialogs.h"

namespace telvar {

char dirName[MAX_PATHNAME_LEN];

}  // namespace telvar
