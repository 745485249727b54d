// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the parameter record to an ini parameter file and loading it back,
// each time through a file dialog.
#pragma once

#include "platform/userint.h"
#include "storage/ini_text.h"

#include <optional>
#include <string>

namespace telvar {

extern char pathName[MAX_PATHNAME_LEN];  // the parameter file chosen last

// 1 when the file was written; 0 when the dialog was cancelled or the file
// could not be written, which leaves any older file of that name whole.
int SendParaToFile();
// 1 when a file was read and shown on the pages; 0 when the dialog was
// cancelled, the file could not be read or holds no parameter (said in a
// message), which changes nothing.
int ReadParaFromFile();
// Asks for a parameter file, as ReadParaFromFile does, and reads it: its
// items, or nothing when the dialog was cancelled, the file could not be
// read or holds no parameter (said in a message). The path is in pathName.
std::optional<IniText> read_chosen_parameter_file();
// Why the last of these could not write or read the file, for the status
// line; empty when the dialog was cancelled or the file held no parameter.
const std::string& parameter_file_failure();

}  // namespace telvar
