// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/tool_start.h"

#include "app/startup.h"
#include "link/com232.h"
#include "link/line_table.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "platform/modal.h"
#include "platform/userint.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace telvar::bench {

bool start_tool(int argc, char** argv)
{
    // The operator's own settings (the window's size, the last line) would
    // change what a benchmark measures: it runs on folders of its own.
    static const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", (settings.path() + "/config").toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", (settings.path() + "/data").toLocal8Bit().constData(), 1);
    if (!InitCVIRTE(argc, argv) || !load_panels()) {
        std::fprintf(stderr, "cannot start the tool: are the panel files beside the program?\n");
        return false;
    }
    SetModalHook([](const ModalRequest& request) {
        std::fprintf(stderr, "pop-up %s: %s\n", request.title.c_str(), request.text.c_str());
        return ModalAnswer{};
    });
    InitVars();
    return true;
}

void open_serial_line(int com_port)
{
    choose_protocol(0);
    choose_com_port(com_port);
    InitRS232(1);
    if (rs232con != 1)
        throw std::runtime_error("the tool did not open the pseudo-terminal");
}

void open_tcp_line(int port)
{
    choose_protocol(1);
    choose_tcp_address("127.0.0.1", portNumStr, port);
    InitTCP_IP(1);
    if (tcpcon != 1)
        throw std::runtime_error("the tool did not connect over TCP");
}

}  // namespace telvar::bench
