// SPDX-License-Identifier: GPL-3.0-or-later
// Which device each COM port number stands for. The numbering is fixed, so a
// number means the same device from run to run whatever else is plugged in:
//   1-32   /dev/ttyS0  .. /dev/ttyS31   (on-board ports, COM1 = ttyS0)
//   33-48  /dev/ttyUSB0 .. /dev/ttyUSB15 (USB converters)
//   49-64  /dev/ttyACM0 .. /dev/ttyACM15 (USB modems and CDC adapters)
//   65-80  <pty dir>/ttyTELVAR0 .. ttyTELVAR15 (pseudo-terminal links, such
//          as the one the controller simulator makes; pty dir is /tmp)
#pragma once

#include "platform/translation.h"

#include <string>
#include <vector>

namespace telvar {

inline constexpr int COM_FIRST = 1;
inline constexpr int COM_LAST = 80;

// The device path of a port number, empty when the number is outside the map.
std::string ComDevice(int port);

// Whether the port's device exists now.
bool ComPortPresent(int port);

// The port numbers whose device exists now, in ascending order.
std::vector<int> AvailableComPorts();

// Whether this user may open the device for reading and writing; root
// always may.
bool SerialDeviceAccessible(const std::string& device);

// What the system knows of a port, to tell one USB converter from another.
struct ComPortInfo {
    int port = 0;
    std::string device;        // e.g. /dev/ttyUSB0
    std::string description;   // the USB product, when known
    std::string manufacturer;
    std::string serial_number;
    bool accessible = true;    // false: it exists but this user may not open it
};

// Every port whose device exists now, ascending, with what is known of it.
std::vector<ComPortInfo> DescribeComPorts();
// One line for a person, e.g. "COM33   /dev/ttyUSB0   FT232R USB UART (FTDI, A5XK3RJT)".
// A port this user may not open ends in "   - no permission to open".
std::string ComPortLabel(const ComPortInfo& info);

// What opens such a port: serial devices belong to the group dialout. Shown
// as tr_text("Ports", COM_PORT_PERMISSION_FIX).
inline constexpr const char* COM_PORT_PERMISSION_FIX =
    TR_NOOP("Ports", "Add yourself to the dialout group: sudo usermod -aG dialout $USER, then log in again.");

}  // namespace telvar
