// SPDX-License-Identifier: GPL-3.0-or-later
// The tool as the benchmarks start it: its panels loaded and its variables
// set, with every pop-up printed to standard error instead of waiting for a
// click that never comes.
#pragma once

namespace telvar::bench {

// False, with the reason on standard error, when the tool cannot start.
bool start_tool(int argc, char** argv);

// The tool's line opened as the connection dialog opens it, to a COM port or
// to a TCP port of 127.0.0.1; throws when the line or its check fails.
void open_serial_line(int com_port);
void open_tcp_line(int port);

}  // namespace telvar::bench
