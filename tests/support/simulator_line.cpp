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
        choose_protocol(0);
        choose_com_port(sim.com_port());
        InitRS232(1);
        ASSERT_EQ(rs232con, 1);
    } else {
        choose_protocol(1);
        choose_tcp_address("127.0.0.1", portNumStr, sim.tcp_port());
        InitTCP_IP(1);
        ASSERT_EQ(tcpcon, 1);
    }
}

}  // namespace telvar::test
