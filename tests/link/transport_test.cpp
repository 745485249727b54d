// SPDX-License-Identifier: GPL-3.0-or-later
// Opening lines: connect errors, line check and version query outcomes.
#include "support/controls.h"
#include "support/link_fixture.h"

#include "link/com232.h"
#include "link/line_check.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "link/tcp_line.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace telvar::test {
namespace {

Script version_answer(QByteArray text)
{
    return [text](const QByteArray& r) -> std::optional<Reply> {
        if (order_of(r) != ORDER_VERSION)
            return Reply{answer_frame(order_of(r), {ANSWER_ACK})};
        QByteArray padded = text;
        padded.resize(36, '\0');
        return Reply{padded};
    };
}

using Transport = LinkTest;

TEST_F(Transport, ConnectingChecksTheLineThenShowsTheVersion)
{
    TcpPeer peer(version_answer("K20 FW 2.17"));
    connect_tcp(peer);
    EXPECT_EQ(tcpcon, 1);
    ASSERT_EQ(peer.requests.size(), 2);
    EXPECT_EQ(order_of(peer.requests[0]), ORDER_LINE_CHECK);
    EXPECT_EQ(order_of(peer.requests[1]), ORDER_VERSION);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Connection found. Line OK.", "K20 FW 2.17"}));
    EXPECT_STREQ(szVersion, "K20 FW 2.17");
    EXPECT_FALSE(dimmed(panelMAIN, MAIN_CMD_RUN));
    EXPECT_FALSE(dimmed(panelMAIN, MAIN_BTN_SEND));
}

TEST_F(Transport, VersionOf36LettersShowsItsFirst35)
{
    const QByteArray letters = QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij");
    ASSERT_EQ(letters.size(), 36);
    TcpPeer peer(version_answer(letters));
    connect_tcp(peer);
    EXPECT_EQ(statuses.back(), letters.left(35).toStdString());
    EXPECT_EQ(std::string(szVersion), letters.toStdString());
}

TEST_F(Transport, LineCheckOutcomes)
{
    TcpPeer nack([](const QByteArray& r) { return Reply{answer_frame(order_of(r), {0x00AB})}; });
    connect_tcp(nack);
    EXPECT_EQ(tcpcon, 0);
    EXPECT_EQ(statuses.back(), "Answer incorrect. Check Sensor.");
    EXPECT_TRUE(dimmed(panelMAIN, MAIN_CMD_RUN));
    EXPECT_TRUE(dimmed(panelMAIN, MAIN_RADIO_FILE));

    statuses.clear();
    TcpPeer wrong_sync([](const QByteArray& r) { return Reply{answer_frame_with_sync(0x5500, order_of(r), {ANSWER_ACK})}; });
    connect_tcp(wrong_sync);
    EXPECT_EQ(tcpcon, 0);
    EXPECT_TRUE(statuses.empty()) << "a wrong sync word ends the check without a message of its own";
    EXPECT_EQ(nack.disconnects, 1) << "the conversation whose check failed was closed first";

    TcpPeer silent([](const QByteArray&) { return std::nullopt; });
    const FastClock fast;
    connect_tcp(silent);
    EXPECT_EQ(statuses.back(), "Error! No connection found.");
}

TEST_F(Transport, ConnectErrorsShowTheirTexts)
{
    quint16 closed_port;
    {
        TcpPeer gone(good_controller);
        closed_port = gone.port();
    }
    choose_protocol(1);
    choose_tcp_address("127.0.0.1", portNumStr, closed_port);
    EXPECT_EQ(InitTCP_IP(1), 0);
    EXPECT_EQ(statuses.back(), "Failed to connect");

    choose_tcp_address("127.0.0.1", portNumStr, 0);
    EXPECT_EQ(InitTCP_IP(1), 0);
    EXPECT_EQ(statuses.back(), "Invalid parameter");
}

// A listener that never accepts, with its queue full: further connects hang
// on loopback until the connect time-out.
TEST_F(Transport, ConnectTimeOutShowsItsTextWithTheTrailingBlank)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    socklen_t length = sizeof address;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    std::vector<int> fillers;
    for (int k = 0; k < 4; ++k) {
        const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        fillers.push_back(filler);
    }
    pump(50);

    choose_protocol(1);
    choose_tcp_address("127.0.0.1", portNumStr, ntohs(address.sin_port));
    const FastClock fast;
    EXPECT_EQ(InitTCP_IP(1), 0);
    EXPECT_EQ(statuses.back(), "Time out error ");

    for (int fd : fillers)
        ::close(fd);
    ::close(listener);
}

TEST_F(Transport, ServerClosingTheConversationIsAnnounced)
{
    TcpPeer peer(good_controller);
    connect_tcp(peer);
    ASSERT_EQ(tcpcon, 1);
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    peer.drop();
    pump(100);
    dialogs.check_all_shown();
    EXPECT_EQ(tcpcon, 0);
    EXPECT_EQ(g_hconversation, 0);
}

}  // namespace
}  // namespace telvar::test
