// SPDX-License-Identifier: GPL-3.0-or-later
// The RS-232 line to the controller: the protocol settings (19200 8N1, no
// flow control) and the boot loader's (115200 8N1, XON/XOFF) on one port.
#pragma once

#include "platform/serial_ports.h"

#include <string>

namespace telvar {

extern const int& comport;    // port number to open, 1 = COM1; 0 = none chosen
// The device to open instead of comport's own, by its path (a link in
// /dev/serial/by-id/, a pseudo-terminal); empty: the number's device.
extern const std::string& comdevice;
// The number a line opened by its device path goes by: past the COM ports,
// so that it is never taken for one of them.
inline constexpr int DEVICE_PATH_PORT = COM_LAST + 1;
extern const int& rs232con;   // 1 while the line is open and passed its check
extern const int& eventMask;  // serial events that raise the receive callback

// Mode 0 closes the line: 0 when closed, 1 when closing failed. Mode 1
// reopens `comport` and checks the line: 1 when open and checked, else 0.
// The result is rs232con's new value.
int InitRS232(int mode);
// As InitRS232 with the boot-loader settings; mode 1 does no line check.
int InitRS232_PL(int mode);

}  // namespace telvar
