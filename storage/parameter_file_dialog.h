// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter file's dialog, which names pathName for Send and Get to
// file and for Compare with a file.
#pragma once

#include "storage/ini_text.h"

#include <optional>

namespace telvar {

// Asks for a parameter file to save (VAL_SAVE_BUTTON) or load
// (VAL_LOAD_BUTTON); the answer, empty when cancelled, becomes pathName.
void ask_parameter_file(int button);
// Asks for a parameter file to load and reads it: its items, or nothing when
// the dialog was cancelled, the file could not be read or holds no
// parameter. The path is in pathName.
std::optional<IniText> read_chosen_parameter_file();

}  // namespace telvar
