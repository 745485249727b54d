// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/line_failure.h"

#include "link/command.h"
#include "link/error_texts.h"
#include "platform/rs232.h"
#include "platform/serial_ports.h"
#include "platform/tcp.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace telvar::cli {

namespace {

struct Advice {
    std::string status;
    const char* advice;
};

const Advice kAdvice[] = {
    {rs232_error_text(kRS_NoPortFound), "telvar-k20 --list-ports lists the ports present"},
    {"Error! No connection found.", "check the cable, the port and that the controller is switched on"},
    {CONNECTION_LOST_TEXT, "check the cable and that the controller is switched on, then run the command again"},
    {tcp_error_text(kTCP_UnableToEstablishConnection), "check the address and that the controller is switched on"},
    {tcp_error_text(kTCP_FailedToConnect), "check the address and that the controller is switched on"},
    {tcp_error_text(kTCP_TimeOutErr), "check the address and that the controller is switched on"},
};

}  // namespace

std::string line_failure_text(const std::string& status, const std::string& line)
{
    const auto known = std::find_if(std::begin(kAdvice), std::end(kAdvice),
                                    [&](const Advice& advice) { return advice.status == status; });
    const std::string text = status + " (" + line + ")";
    return known == std::end(kAdvice) ? text : text + "; " + known->advice;
}

std::string port_failure_text(const std::string& status, const std::string& line, const std::string& device)
{
    if (status == rs232_error_text(kRS_CannotOpenPort)) {
        if (!SerialDeviceAccessible(device))
            return status + " " + device + ": permission denied; add yourself to the group dialout and log in again";
        return status + " " + device + ": it is busy; close the program that uses it and try again";
    }
    // What a device that is no terminal, or no device at all, opens with.
    if (status == rs232_error_text(kRS_UnknownSysError) || status == rs232_error_text(kRS_InvalidParameter)) {
        std::error_code unknown;
        if (std::filesystem::is_directory(device, unknown))
            return status + " (" + line + "); " + device + " is a folder: give the path of a serial device";
        return status + " (" + line + "); check that " + device + " is a serial device";
    }
    return line_failure_text(status, line);
}

}  // namespace telvar::cli
