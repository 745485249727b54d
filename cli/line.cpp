// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/line.h"

#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/line_failure.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/line_table.h"
#include "link/line_watch.h"
#include "link/reconnect.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "platform/events.h"
#include "platform/serial_ports.h"
#include "platform/test_seams.h"

#include <cstdio>
#include <cstdlib>

namespace telvar::cli {

namespace {

// How often a signal is looked for while a lost line is waited for.
inline constexpr int LINE_WAIT_STEP_MS = 100;

bool open_tcp(const LineChoice& choice)
{
    choose_protocol(1);
    choose_tcp_address(choice.host, std::to_string(choice.port), choice.port);
    return InitTCP_IP(1) == 1;
}

// A device named by its path goes by a number of its own; everything else
// is as on a COM port.
bool open_serial(const LineChoice& choice)
{
    choose_protocol(0);
    choose_com_port(choice.kind == LineKind::Device ? DEVICE_PATH_PORT : choice.port,
                    choice.kind == LineKind::Device ? choice.device : std::string());
    return InitRS232(1) == 1;
}

// Closes whatever the line holds open, also a port whose check failed.
void close_line(const LineChoice& choice)
{
    if (choice.kind == LineKind::Tcp)
        InitTCP_IP(0);
    else
        InitRS232(0);
}

std::string device_of(const LineChoice& choice)
{
    return choice.kind == LineKind::Device ? choice.device : ComDevice(choice.port);
}

// As fail_with_status, with the device a serial port opens.
int fail_to_open(const LineChoice& choice)
{
    // A line check answered without the sync word leaves no text of its own.
    const std::string status = last_status().empty() ? ECHO_INCORRECT_TEXT : last_status();
    ProcessSystemEvents();
    if (choice.kind == LineKind::Tcp)
        return fail(EXIT_LINK, line_failure_text(status, line_name(choice)));
    return fail(EXIT_LINK, port_failure_text(status, line_name(choice), device_of(choice)));
}

}  // namespace

void find_pseudo_terminals_where_told()
{
    if (const char* dir = std::getenv("TELVAR_PTY_DIR"); dir && *dir)
        SetPseudoTerminalDir(dir);
}

std::string line_name(const LineChoice& choice)
{
    switch (choice.kind) {
    case LineKind::Tcp:
        return "TCP " + choice.host + ":" + std::to_string(choice.port);
    case LineKind::Com:
        return "COM" + std::to_string(choice.port) + " " + ComDevice(choice.port);
    case LineKind::Device:
        return choice.device;
    case LineKind::None:
        break;
    }
    return {};
}

int with_line(const LineChoice& choice, const std::function<int()>& command)
{
    forget_status();
    name_the_line(line_name(choice));
    const bool open = choice.kind == LineKind::Tcp ? open_tcp(choice) : open_serial(choice);
    const int code = !open ? fail_to_open(choice) : interrupt_requested() ? fail_interrupted() : command();
    close_line(choice);
    return code;
}

void follow_lost_lines()
{
    setup_reconnect();
}

bool line_is_waited_for()
{
    // The hang-up is told by a queued event, which may still wait behind the failed exchange.
    ProcessSystemEvents();
    return reconnect_waiting();
}

bool line_came_back(const std::function<void()>& waiting)
{
    note(last_status() + " (" + named_line() + "); waiting for the line to come back");
    while (reconnect_waiting() && !interrupt_requested()) {
        WaitEvents(LINE_WAIT_STEP_MS);
        waiting();
    }
    if (!line_state().open())
        return false;
    note(last_status());
    return true;
}

}  // namespace telvar::cli
