#include "cli/line.h"

#include "cli/console.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/line_table.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "platform/test_seams.h"
#include "ui/status.h"

#include <cstdio>
#include <cstdlib>

namespace telvar::cli {

namespace {

bool open_tcp(const LineChoice& choice)
{
    comprotocol = 1;
    std::snprintf(ipBuf, sizeof ipBuf, "%s", choice.host.c_str());
    portNum = choice.port;
    std::snprintf(portNumStr, sizeof portNumStr, "%d", choice.port);
    tcpcon = InitTCP_IP(1);
    return tcpcon == 1;
}

bool open_serial(const LineChoice& choice)
{
    comprotocol = 0;
    comport = choice.port;
    rs232con = InitRS232(1);
    return rs232con == 1;
}

// Closes whatever the line holds open, also a port whose check failed.
void close_line(const LineChoice& choice)
{
    if (choice.kind == LineKind::Tcp)
        tcpcon = InitTCP_IP(0);
    else
        rs232con = InitRS232(0);
}

}  // namespace

void find_pseudo_terminals_where_told()
{
    if (const char* dir = std::getenv("TELVAR_PTY_DIR"); dir && *dir)
        SetPseudoTerminalDir(dir);
}

int with_line(const LineChoice& choice, const std::function<int()>& command)
{
    put_status("");
    const bool open = choice.kind == LineKind::Tcp ? open_tcp(choice) : open_serial(choice);
    // A line check answered without the sync word leaves no text of its own.
    if (!open && szStatus[0] == '\0')
        set_status(ECHO_INCORRECT_TEXT);
    const int code = open ? command() : fail_with_status();
    close_line(choice);
    return code;
}

}  // namespace telvar::cli
