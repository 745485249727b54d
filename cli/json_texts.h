// SPDX-License-Identifier: GPL-3.0-or-later
// The answers of info, verify and --list-ports under --json: one JSON
// object on one line, for scripts to read.
#pragma once

#include "cli/differences.h"
#include "platform/serial_ports.h"
#include "storage/ini_text.h"

#include <string>
#include <vector>

namespace telvar::cli {

// {"line": ..., "version": ...}
std::string info_json(const std::string& line, const std::string& version);
// {"line": ..., "version": ..., "tool": ...}: the controller's and the tool's versions.
std::string station_info_json(const std::string& line, const std::string& version, const std::string& tool);
// {"SECTION": {"KEY": VALUE, ...}, ...}, whole numbers as numbers.
std::string parameters_json(const IniText& ini);
// {"compared": N, "differences": [{"section", "key", "file", "controller"}, ...]}
std::string verify_json(int compared, const std::vector<Difference>& differences);
// {"ports": [{"port", "device", "description", "manufacturer", "serial_number", "accessible"}, ...]}
std::string ports_json(const std::vector<ComPortInfo>& ports);

}  // namespace telvar::cli
