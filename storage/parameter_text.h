// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter file's content and the record: the text a record is saved
// as, and what a read file gives the record.
#pragma once

#include "storage/ini_text.h"

#include <cstdint>
#include <string>

namespace telvar {

// The 44 stored words of the record as the file's text.
std::string parameter_file_text(const std::uint16_t* record);

// Stores the low 16 bits of every item of the file that holds a valid
// integer into its record word; the other words stay as they are. The number
// of words taken.
int take_parameter_file(const IniText& ini, std::uint16_t* record);

}  // namespace telvar
