// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/link_fixture.h"

#include "app/startup.h"
#include "link/com232.h"
#include "link/line_table.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "ui/roles.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace telvar::test {

namespace {

inline constexpr double kFastScale = 10.0;

void load_once()
{
    static bool loaded = false;
    if (loaded)
        return;
    ASSERT_TRUE(load_panels());
    loaded = true;
}

}  // namespace

FastClock::FastClock()
{
    SetTimeScale(kFastScale);
}

FastClock::~FastClock()
{
    SetTimeScale(1.0);
}

void LinkTest::SetUp()
{
    load_once();
    SetTimeScale(1.0);
    InitVars();
    statuses.clear();
    set_status_observer("test", [this](const char* text) { statuses.emplace_back(text); });
}

void LinkTest::TearDown()
{
    InitTCP_IP(0);
    InitRS232(0);
    set_status_observer("test", nullptr);
    SetTimeScale(1.0);
    dialogs.check_all_shown();
}

void LinkTest::connect_tcp(const TcpPeer& peer)
{
    choose_protocol(1);
    choose_tcp_address("127.0.0.1", portNumStr, peer.port());
    InitTCP_IP(1);
}

void LinkTest::open_serial(const PtyPeer& peer)
{
    choose_protocol(0);
    choose_com_port(peer.com_port());
    InitRS232(1);
}

int LinkTest::exchange(int code, std::initializer_list<int> words)
{
    unsigned short payload[PNUM] = {};
    int k = 0;
    for (int w : words)
        payload[k++] = static_cast<unsigned short>(w);
    set_order(code);
    FillTxBuf(order, payload);
    return ExchangeFrame();
}

void LinkTest::pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

std::vector<std::string> LinkTest::statuses_starting(const std::string& head) const
{
    std::vector<std::string> found;
    for (const std::string& s : statuses)
        if (s.rfind(head, 0) == 0)
            found.push_back(s);
    return found;
}

}  // namespace telvar::test
