// SPDX-License-Identifier: GPL-3.0-or-later
// The answers of info, verify and --list-ports under --json: one JSON
// object on one line, for scripts to read.
#pragma once

#include "cli/differences.h"
#include "platform/serial_ports.h"

#include <string>
#include <vector>

namespace telvar::cli {

// {"line": ..., "version": ...}
std::string info_json(const std::string& line, const std::string& version);
// {"compared": N, "differences": [{"section", "key", "file", "controller"}, ...]}
std::string verify_json(int compared, const std::vector<Difference>& differences);
// {"ports": [{"port", "device", "description", "manufacturer", "serial_number", "accessible"}, ...]}
std::string ports_json(const std::vector<ComPortInfo>& ports);

}  // namespace telvar::cli
