// SPDX-License-Identifier: GPL-3.0-or-later
// One row of functions per transport: the frame exchange and the opening of
// a line reach the line only through its row, so neither knows whether it
// talks over RS-232 or TCP. What a transport lacks is a dummy in its row.
#pragma once

#include "link/orders.h"

#include <string>

namespace telvar {

// How a line is set up when it opens. The serial port has two set-ups, the
// protocol line and the boot loader's line of the firmware download; a TCP
// line takes only what is not about a serial port.
struct LineSettings {
    long baud;
    bool xon_xoff;          // never on binary frames: it would eat 0x11 and 0x13
    bool receive_callback;  // raise rx_flag when a whole answer has come
    bool checked;           // line check and version query follow the opening
};

inline constexpr LineSettings PROTOCOL_LINE{PROTOCOL_BAUD, false, true, true};
inline constexpr LineSettings BOOTLOADER_LINE{BOOTLOADER_BAUD, true, false, false};

struct LineFunctions {
    // 0, or the library's negative code. Both act on the line the row holds.
    int (*open)(const LineSettings& settings);
    int (*close)();
    bool (*is_open)();
    // Drops what is left of an earlier answer before the next request.
    void (*flush)();
    // The count written, or a negative code.
    int (*write)(const unsigned char* bytes, int count);
    // Bytes received and not yet taken; on TCP, where they are put in place
    // as they come, the answer's bytes in place since the flush.
    int (*bytes_waiting)();
    // Takes `count` bytes of the answer into `into`; the count taken.
    int (*read)(unsigned char* into, int count);
    // The status-line text for one of the library's negative codes.
    const char* (*error_text)(int code);
    // The open line as the operator knows it, e.g. "COM65 /tmp/ttyTELVAR0".
    std::string (*describe)();
};

// The transport the frame exchange uses: 0 = RS-232, anything else = TCP/IP.
extern const int& comprotocol;

extern const LineFunctions rs232_line_functions;
extern const LineFunctions tcp_line_functions;

// The line chosen to be opened next: the transport (comprotocol), the
// serial port (comport, and comdevice for a device named by its path), the
// TCP address (ipBuf, and the port as typed, portNumStr, and as a number,
// portNum).
void choose_protocol(int protocol);
void choose_com_port(int port, const std::string& device = {});
// Takes copies first, so that the fields themselves may be passed back in.
void choose_tcp_address(const std::string& address, const std::string& port_text, int port);

// The row of the transport that comprotocol selects.
const LineFunctions& selected_line();
// Puts a line of a test in place of the selected one; nullptr takes it out.
void substitute_line(const LineFunctions* line);

}  // namespace telvar
