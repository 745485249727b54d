// SPDX-License-Identifier: GPL-3.0-or-later
// The targets file of fleet: CSV with the header "name,line" and one
// controller a row, its line tcp:HOST:PORT, com:N or device:PATH. Read
// whole and checked before any child runs, so that a typo in row 40 does
// not leave 39 controllers changed and the rest not.
#pragma once

#include "cli/invocation.h"

#include <string>
#include <vector>

namespace telvar::cli {

struct FleetTarget {
    std::string name;  // names the target's file: NAME.ini, NAME.pdf
    std::string line;  // as the file gives it
    LineChoice choice;
    // Targets with the same key share one port and run one after the other:
    // a serial device's resolved path, or the TCP address.
    std::string port_key;
};

// The targets of the file's content; false with `error` naming `path`, the
// line number and what is wrong there.
bool parse_targets(const std::string& content, const std::string& path, std::vector<FleetTarget>* targets,
                   std::string* error);

// tcp:HOST:PORT, com:N or device:PATH as a line; false when it is none of them.
bool parse_target_line(const std::string& text, LineChoice* choice);

// The key a line's port goes by: a COM port and a device path that are the
// same device (also through links) have the same key.
std::string port_key(const LineChoice& choice);

}  // namespace telvar::cli
