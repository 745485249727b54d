// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_dialogs.h"

#include <cstdio>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
char dirName[MAX_PATHNAME_LEN];
}  // namespace state

const char (&dirName)[MAX_PATHNAME_LEN] = state::dirName;

void set_dialogs_dir(const std::string& dir)
{
    std::snprintf(state::dirName, sizeof state::dirName, "%s", dir.c_str());
}

}  // namespace telvar
