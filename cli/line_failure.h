// SPDX-License-Identifier: GPL-3.0-or-later
// What the operator reads when the line fails: the status text the tool's
// status line shows, the line it is about, and what to do where something
// can be done.
#pragma once

#include <string>

namespace telvar::cli {

// "Error! No connection found. (COM65 /tmp/ttyTELVAR0); check ..."
std::string line_failure_text(const std::string& status, const std::string& line);

// A serial port whose line did not open: as line_failure_text, but a
// device that did not open says why where that is known: no permission
// (and how to get it), busy, or no serial device.
std::string port_failure_text(const std::string& status, const std::string& line, const std::string& device);

}  // namespace telvar::cli
