// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_table.h"

#include "link/serial_line.h"
#include "link/tcp_line.h"

#include <cstdio>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
int comprotocol = 0;
int comport = 0;
std::string comdevice;
char ipBuf[IP_TEXT_SIZE];
int portNum = 0;
char portNumStr[PORT_TEXT_SIZE];
}  // namespace state

const int& comprotocol = state::comprotocol;
const int& comport = state::comport;
const std::string& comdevice = state::comdevice;
const char (&ipBuf)[IP_TEXT_SIZE] = state::ipBuf;
const int& portNum = state::portNum;
const char (&portNumStr)[PORT_TEXT_SIZE] = state::portNumStr;

namespace {

const LineFunctions* g_substitute = nullptr;

}  // namespace

const LineFunctions& selected_line()
{
    if (g_substitute)
        return *g_substitute;
    return comprotocol == 0 ? rs232_line_functions : tcp_line_functions;
}

void choose_protocol(int protocol)
{
    state::comprotocol = protocol;
}

void choose_com_port(int port, const std::string& device)
{
    state::comport = port;
    state::comdevice = device;
}

void choose_tcp_address(const std::string& address, const std::string& port_text, int port)
{
    std::snprintf(state::ipBuf, sizeof state::ipBuf, "%s", address.c_str());
    std::snprintf(state::portNumStr, sizeof state::portNumStr, "%s", port_text.c_str());
    state::portNum = port;
}

void substitute_line(const LineFunctions* line)
{
    g_substitute = line;
}

}  // namespace telvar
