// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/error_texts.h"

#include "platform/tcp.h"
#include "platform/translation.h"

namespace telvar {

const char* rs232_error_text(int code)
{
    switch (code) {
    case -1: return tr_text("Line", "Unknown system error");
    case -2: return tr_text("Line", "Invalid port number");
    case -3: return tr_text("Line", "Port is not open");
    case -4: return tr_text("Line", "Unknown I/0 error");
    case -6: return tr_text("Line", "No serial port found");
    case -7: return tr_text("Line", "Cannot open port");
    case -13: return tr_text("Line", "Invalid parameter");
    case -99: return tr_text("Line", "Timeout");
    default: return tr_text("Line", "RS-232 error!");
    }
}

const char* tcp_error_text(int code)
{
    static const char* const texts[] = {
        TR_NOOP("Line", "Unable to register service"),      // -1
        TR_NOOP("Line", "Unable to establish connection"),  // -2
        TR_NOOP("Line", "Existing server"),                 // -3
        TR_NOOP("Line", "Failed to connect"),               // -4
        TR_NOOP("Line", "Server not registered"),           // -5
        TR_NOOP("Line", "Too many conversations"),          // -6
        TR_NOOP("Line", "Read failed"),                     // -7
        TR_NOOP("Line", "Write failed"),                    // -8
        TR_NOOP("Line", "Invalid parameter"),               // -9
        TR_NOOP("Line", "Out of memory"),                   // -10
        TR_NOOP("Line", "Time out error "),                 // -11
        TR_NOOP("Line", "No connection established "),      // -12
        TR_NOOP("Line", "General IO err"),                  // -13
        TR_NOOP("Line", "Connection closed"),               // -14
        TR_NOOP("Line", "Unable to load WinsockDLL"),       // -15
        TR_NOOP("Line", "Incorrect WinsockDLL version"),    // -16
        TR_NOOP("Line", "Network subsystem not ready "),    // -17
        TR_NOOP("Line", "Connections still open"),          // -18
        TR_NOOP("Line", "Disconnect pending"),              // -19
        TR_NOOP("Line", "Info not available"),              // -20
    };
    if (code <= -1 && code >= -20)
        return tr_text("Line", texts[-code - 1]);
    return tr_text("Line", "Connection to server failed");
}

std::string tcp_connect_reason(int code, const std::string& host, int port)
{
    const std::string number = std::to_string(port);
    switch (code) {
    case kTCP_FailedToConnect:
        return with_args(tr_text("Line", "Refused: nothing at %1 accepts connections on port %2."), {host, number});
    case kTCP_TimeOutErr: return with_args(tr_text("Line", "Timed out: no answer from %1 on port %2."), {host, number});
    case kTCP_UnableToEstablishConnection:
        return with_args(tr_text("Line", "Unknown host: no address is known for %1."), {host});
    case kTCP_NoPermission:
        return with_args(
            tr_text("Line", "No permission: the system does not let this program connect to %1 on port %2."),
            {host, number});
    default: return {};
    }
}

}  // namespace telvar
