// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter file chosen last, and the record saved to it or loaded from
// it. Its dialog is the window's, which gives the path chosen.
#pragma once

#include "platform/files.h"
#include "storage/ini_text.h"

#include <optional>
#include <string>

namespace telvar {

// The parameter file chosen last; empty when its dialog was cancelled.
extern const char (&pathName)[MAX_PATHNAME_LEN];
// The path the dialog gave (empty for none) becomes pathName.
void choose_parameter_file(const char* path);

// 1 when the record was written to pathName; 0 when no file was chosen or
// the file could not be written, which leaves any older file of that name
// whole.
int SendParaToFile();
// 1 when pathName was read into the record; 0 when no file was chosen, the
// file could not be read or holds no parameter (told as a transfer event),
// which changes nothing.
int ReadParaFromFile();
// pathName's items as ReadParaFromFile reads them, or nothing.
std::optional<IniText> read_parameter_file();
// The file's items into the record as take_parameter_file takes them; the
// number of words taken.
int take_file_items(const IniText& ini);
// Why the last of these could not write or read the file, for the status
// line; empty when no file was chosen or the file held no parameter.
const std::string& parameter_file_failure();

}  // namespace telvar
