// SPDX-License-Identifier: GPL-3.0-or-later
// The file of recent IP addresses, read and written whole.
#pragma once

#include "link/ip_history_records.h"

#include <string>
#include <vector>

namespace telvar {

// The non-empty entries in file order; empty when the file is missing.
std::vector<std::string> read_ip_history(const std::string& path);

// Writes a new file beside the old one and renames it over it, so that a
// failed write leaves the old history whole. False when it failed.
bool write_ip_history(const std::string& path, const std::vector<std::string>& entries);

// Where the history file lives: in the program's directory, or in the
// per-user data directory when the program's directory cannot be written.
std::string ip_history_location(const std::string& program_dir, const std::string& file_name);

}  // namespace telvar
