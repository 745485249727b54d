// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_line.h"

#include "link/com232.h"
#include "link/error_texts.h"
#include "link/line_open.h"
#include "link/line_table.h"
#include "link/line_watch.h"
#include "platform/rs232.h"
#include "platform/serial_ports.h"

#include <string>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
int rs232con = 0;
int eventMask = LWRS_RXFLAG | LWRS_TXEMPTY | LWRS_RECEIVE;
}  // namespace state

const int& rs232con = state::rs232con;
const int& eventMask = state::eventMask;

namespace {

inline constexpr int QUEUE_BYTES = 4096;
inline constexpr double LINE_TIMEOUT = 2.0;

// The port the line has open, 0 for none. The row acts on this port, so that
// closing also closes a port whose line check failed.
int g_open_port = 0;
std::string g_open_device;  // the path it was opened by, empty for a COM number's device

// A device opened by its path is known by that path.
std::string describe_port()
{
    if (!g_open_device.empty())
        return g_open_device;
    return "COM" + std::to_string(g_open_port) + " " + ComDevice(g_open_port);
}

int close_port()
{
    const int code = CloseCom(g_open_port);
    g_open_port = 0;
    g_open_device.clear();
    return code;
}

// The device went away (unplugged, or the far end of a pseudo-terminal
// closed): nothing can pass the port any more, and it is closed so that the
// device can be opened afresh when it returns.
void port_lost(int)
{
    const std::string line = describe_port();
    close_port();
    state::rs232con = 0;
    report_line_lost(line);
}

int open_port(const LineSettings& settings)
{
    const int code = OpenComConfig(comport, comdevice.c_str(), settings.baud, 0, 8, 1, QUEUE_BYTES, QUEUE_BYTES);
    if (code < 0)
        return code;
    g_open_port = comport;
    g_open_device = comdevice;
    SetComTime(g_open_port, LINE_TIMEOUT);
    FlushInQ(g_open_port);
    FlushOutQ(g_open_port);
    SetCTSMode(g_open_port, LWRS_HWHANDSHAKE_OFF);
    if (settings.xon_xoff)
        SetXMode(g_open_port, 1);
    if (settings.receive_callback)
        InstallComCallback(g_open_port, eventMask, frame::kBytes, sync, RX_Receive_Function, nullptr);
    InstallComLostCallback(g_open_port, port_lost);
    return 0;
}

bool port_is_open()
{
    return g_open_port != 0;
}

void flush_queues()
{
    FlushOutQ(g_open_port);
    FlushInQ(g_open_port);
}

int write_port(const unsigned char* bytes, int count)
{
    return ComWrt(g_open_port, reinterpret_cast<const char*>(bytes), count);
}

int bytes_in_queue()
{
    return GetInQLen(g_open_port);
}

// Bounded by the port's time-out.
int read_port(unsigned char* into, int count)
{
    return ComRd(g_open_port, reinterpret_cast<char*>(into), count);
}

}  // namespace

const LineFunctions rs232_line_functions{
    .open = open_port,
    .close = close_port,
    .is_open = port_is_open,
    .flush = flush_queues,
    .write = write_port,
    .bytes_waiting = bytes_in_queue,
    .read = read_port,
    .error_text = rs232_error_text,
    .describe = describe_port,
};

int InitRS232(int mode)
{
    return state::rs232con = init_line(rs232_line_functions, PROTOCOL_LINE, mode);
}

int InitRS232_PL(int mode)
{
    return state::rs232con = init_line(rs232_line_functions, BOOTLOADER_LINE, mode);
}

}  // namespace telvar
