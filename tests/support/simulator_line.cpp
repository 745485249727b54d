// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/simulator_line.h"

#include "link/line_table.h"
#include "link/serial_line.h"
#include "link/com232.h"
#include "link/tcp_line.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace telvar::test {

void open_line(const Simulator& sim, Line line)
{
    ASSERT_TRUE(sim.ready());
    if (line == Line::Serial) {
        comprotocol = 0;
        comport = sim.com_port();
        rs232con = InitRS232(1);
        ASSERT_EQ(rs232con, 1);
    } else {
        comprotocol = 1;
        std::snprintf(ipBuf, sizeof ipBuf, "127.0.0.1");
        portNum = sim.tcp_port();
        tcpcon = InitTCP_IP(1);
        ASSERT_EQ(tcpcon, 1);
    }
}

}  // namespace telvar::test
