#include "link/serial_line.h"

#include "link/com232.h"
#include "link/error_texts.h"
#include "link/line_check.h"
#include "link/line_watch.h"
#include "link/orders.h"
#include "platform/rs232.h"
#include "platform/serial_ports.h"
#include "ui/status.h"

#include <string>

namespace telvar {

int comport = 0;
int rs232con = 0;
int eventMask = LWRS_RXFLAG | LWRS_TXEMPTY | LWRS_RECEIVE;

namespace {

inline constexpr int QUEUE_BYTES = 4096;
inline constexpr double LINE_TIMEOUT = 2.0;

// The port the line has open, 0 for none. Closing goes by this rather than by
// rs232con, so that a port whose line check failed is still closed.
int g_open_port = 0;

int close_line()
{
    if (g_open_port == 0)
        return 0;
    const int code = CloseCom(g_open_port);
    g_open_port = 0;
    report_line_closed();
    if (code < 0) {
        set_status(rs232_error_text(code));
        return 1;
    }
    return 0;
}

bool open_line(long baud)
{
    const int code = OpenComConfig(comport, "", baud, 0, 8, 1, QUEUE_BYTES, QUEUE_BYTES);
    if (code < 0) {
        set_status(rs232_error_text(code));
        return false;
    }
    g_open_port = comport;
    SetComTime(comport, LINE_TIMEOUT);
    FlushInQ(comport);
    FlushOutQ(comport);
    SetCTSMode(comport, LWRS_HWHANDSHAKE_OFF);
    return true;
}

}  // namespace

int InitRS232(int mode)
{
    if (mode != 0 && exchange_refused())
        return 0;
    const int closed = close_line();
    if (mode == 0)
        return closed;
    if (!open_line(PROTOCOL_BAUD))
        return 0;
    InstallComCallback(comport, eventMask, frame::kBytes, sync, RX_Receive_Function, nullptr);
    if (!CheckComLine())
        return 0;
    if (!GetVERSIONInfo())
        return 0;
    report_line_open("COM" + std::to_string(comport) + " " + ComDevice(comport), szVersion);
    return 1;
}

int InitRS232_PL(int mode)
{
    if (mode != 0 && exchange_refused())
        return 0;
    const int closed = close_line();
    if (mode == 0)
        return closed;
    if (!open_line(BOOTLOADER_BAUD))
        return 0;
    SetXMode(comport, 1);
    return 1;
}

}  // namespace telvar
