// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/error_texts.h"

#include "platform/tcp.h"

namespace telvar {

const char* rs232_error_text(int code)
{
    switch (code) {
    case -1: return "Unknown system error";
    case -2: return "Invalid port number";
    case -3: return "Port is not open";
    case -4: return "Unknown I/0 error";
    case -6: return "No serial port found";
    case -7: return "Cannot open port";
    case -13: return "Invalid parameter";
    case -99: return "Timeout";
    default: return "RS-232 error!";
    }
}

const char* tcp_error_text(int code)
{
    static const char* const texts[] = {
        "Unable to register service",      // -1
        "Unable to establish connection",  // -2
        "Existing server",                 // -3
        "Failed to connect",               // -4
        "Server not registered",           // -5
        "Too many conversations",          // -6
        "Read failed",                     // -7
        "Write failed",                    // -8
        "Invalid parameter",               // -9
        "Out of memory",                   // -10
        "Time out error ",                 // -11
        "No connection established ",      // -12
        "General IO err",                  // -13
        "Connection closed",               // -14
        "Unable to load WinsockDLL",       // -15
        "Incorrect WinsockDLL version",    // -16
        "Network subsystem not ready ",    // -17
        "Connections still open",          // -18
        "Disconnect pending",              // -19
        "Info not available",              // -20
    };
    if (code <= -1 && code >= -20)
        return texts[-code - 1];
    return "Connection to server failed";
}

std::string tcp_connect_reason(int code, const std::string& host, int port)
{
    const std::string on_port = " on port " + std::to_string(port);
    switch (code) {
    case kTCP_FailedToConnect: return "Refused: nothing at " + host + " accepts connections" + on_port + ".";
    case kTCP_TimeOutErr: return "Timed out: no answer from " + host + on_port + ".";
    case kTCP_UnableToEstablishConnection: return "Unknown host: no address is known for " + host + ".";
    case kTCP_NoPermission:
        return "No permission: the system does not let this program connect to " + host + on_port + ".";
    default: return {};
    }
}

}  // namespace telvar
