// SPDX-License-Identifier: GPL-3.0-or-later
// The frame exchange over loopback TCP against a scripted controller.
#include "support/link_fixture.h"

#include "link/com232.h"
#include "link/line_check.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "platform/events.h"
#include "platform/tcp.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace telvar::test {
namespace {

class TcpExchange : public LinkTest {
protected:
    // Connects with a good controller, then answers the test's requests with `then`.
    void start(Script then)
    {
        peer = std::make_unique<TcpPeer>(good_controller);
        connect_tcp(*peer);
        ASSERT_EQ(tcpcon, 1);
        peer->script = std::move(then);
        peer->requests.clear();
        statuses.clear();
    }
    std::unique_ptr<TcpPeer> peer;
};

std::vector<std::string> retry_texts(const char* head)
{
    std::vector<std::string> texts;
    for (int counter = 9; counter >= 1; --counter)
        texts.push_back(std::string(head) + char('0' + counter) + " times.");
    return texts;
}

TEST_F(TcpExchange, GoodAnswerOnTheFirstAttempt)
{
    start([](const QByteArray&) { return Reply{answer_frame(ORDER_READ_RAM, {1, 2, 3})}; });
    EXPECT_EQ(exchange(ORDER_READ_RAM, {1}), 9);
    ASSERT_EQ(peer->requests.size(), 1);
    EXPECT_EQ(peer->requests[0], QByteArray(reinterpret_cast<const char*>(szWriteBuf), frame::kBytes));
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), ORDER_READ_RAM);
    EXPECT_EQ(words[2], 3);
    EXPECT_TRUE(statuses.empty());
}

TEST_F(TcpExchange, SilentPeerGetsNineAttemptsEachReported)
{
    start([](const QByteArray&) { return std::nullopt; });
    const FastClock fast;
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 0);
    EXPECT_EQ(peer->requests.size(), 9);
    for (const QByteArray& r : peer->requests)
        EXPECT_EQ(r, peer->requests[0]) << "every attempt repeats the same request";
    EXPECT_EQ(statuses, retry_texts("Read failure! Retrying for "));
}

// An answer that begins inside the wait and ends after it, as on a line
// paced at the controller's speed, is taken whole, not cut in two for the
// next attempt to read its tail as an answer: here its first byte 480 ms
// late, the rest 35 ms later. One that begins 750 ms late, 250 ms after the
// first wait ends and 250 ms before the second does, costs an attempt.
TEST_F(TcpExchange, LateAnswerIsTakenWholeInTheAttemptItBeganIn)
{
    struct Late {
        int first_byte_ms;
        int rest_ms;  // after the first byte
        int attempts_left;
        std::vector<std::string> statuses;
    };
    for (const Late& late : {Late{480, 35, 9, {}}, Late{750, 1, 8, {"Read failure! Retrying for 9 times."}}}) {
        start([late](const QByteArray& r) {
            return Reply{answer_frame(r[3], {ANSWER_ACK}), late.first_byte_ms, 1, late.rest_ms};
        });
        EXPECT_EQ(exchange(ORDER_LINE_CHECK), late.attempts_left) << late.first_byte_ms;
        unsigned short words[PNUM];
        EXPECT_EQ(GetRxBuf(words), ORDER_LINE_CHECK) << late.first_byte_ms;
        EXPECT_EQ(words[0], ANSWER_ACK);
        EXPECT_EQ(statuses, late.statuses);
    }
}

TEST_F(TcpExchange, AnswerInTwoPiecesIsAssembledInPlace)
{
    const QByteArray answer = answer_frame(ORDER_READ_RAM, {0x1111, 0x2222, 0x3333, 0x4444, 0x5555, 0x6666, 0x7777, 0x8888, 0x9999});
    start([answer](const QByteArray&) {
        Reply reply{answer};
        reply.split_at = 20;
        reply.split_pause_ms = 100;
        return reply;
    });
    EXPECT_EQ(exchange(ORDER_READ_RAM), 9);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(szReadBuf), frame::kBytes), answer);
}

TEST_F(TcpExchange, AnswerStoppingShortNeverCompletesAndNeverHoldsTheWindow)
{
    start([](const QByteArray&) { return Reply{answer_frame(ORDER_READ_RAM).left(35)}; });
    // A 20 ms tick stands for the window's own events: it must keep its pace
    // while the handler waits for a byte that never comes.
    QElapsedTimer clock;
    clock.start();
    qint64 last_tick = 0;
    qint64 longest_gap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest_gap = std::max(longest_gap, clock.elapsed() - last_tick);
        last_tick = clock.elapsed();
    });
    tick.start(20);
    EXPECT_EQ(exchange(ORDER_READ_RAM), 0);
    EXPECT_EQ(statuses, retry_texts("Read failure! Retrying for "));
    EXPECT_LT(longest_gap, 400);
}

// A read that waited for bytes that are not there would freeze the window
// for the read time-out of 5 s.
TEST_F(TcpExchange, DataReadyWithNothingBufferedReturnsAtOnce)
{
    start(good_controller);
    // The line check of the opening took its answer whole; a flush awaits a new one.
    for (int awaited : {0, frame::kBytes}) {
        if (awaited)
            tcp_line_functions.flush();
        ASSERT_EQ(bytesToRead, awaited);
        clear_rx_flag();
        QElapsedTimer took;
        took.start();
        ClientTCPCB(static_cast<unsigned>(g_hconversation), TCP_DATAREADY, 0, nullptr);
        EXPECT_LT(took.elapsed(), 1000) << "bytes awaited: " << awaited;
        EXPECT_EQ(bytesToRead, awaited);
        EXPECT_EQ(rx_flag, 0);
    }
}

TEST_F(TcpExchange, WrongSyncIsLeftToTheDecoder)
{
    start([](const QByteArray&) { return Reply{answer_frame_with_sync(0x5500, ORDER_RESET, {ANSWER_ACK})}; });
    set_order(ORDER_RESET);
    EXPECT_EQ(exchange(ORDER_RESET), 9);
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), -1);
    EXPECT_EQ(order, ORDER_RESET);
}

TEST_F(TcpExchange, GarbageBeforeTheAnswerMakesTheAnswerUnreadable)
{
    start([](const QByteArray& r) { return Reply{QByteArray(5, '\xEE') + answer_frame(r[3], {ANSWER_ACK})}; });
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 9);
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), -1) << "the first 36 bytes on the line are taken as the answer";

    // The five left-over bytes are discarded; the next exchange is clean again.
    peer->script = [](const QByteArray& r) { return Reply{answer_frame(r[3], {ANSWER_ACK})}; };
    pump(100);
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 9);
    EXPECT_EQ(GetRxBuf(words), ORDER_LINE_CHECK);
}

TEST_F(TcpExchange, PeerClosingMidAnswerIsAnnouncedAndEndsTheConversation)
{
    start([](const QByteArray& r) {
        Reply reply{answer_frame(r[3], {ANSWER_ACK})};
        reply.split_at = 10;
        reply.close_after_first_piece = true;
        return reply;
    });
    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 0);
    dialogs.check_all_shown();
    EXPECT_EQ(tcpcon, 0);
    EXPECT_EQ(g_hconversation, 0);
    EXPECT_EQ(statuses_starting("Write failure! Retrying for ").size(), 8u);
}

TEST_F(TcpExchange, NoConversationFailsEveryWriteWithoutWaiting)
{
    choose_protocol(1);
    InitTCP_IP(0);
    const double started = Timer();
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 0);
    EXPECT_LT(Timer() - started, 0.5) << "no attempt waits for an answer";
    EXPECT_EQ(statuses, retry_texts("Write failure! Retrying for "));
}

// The nested command comes 50 ms into the wait, the answer 250 ms into it.
TEST_F(TcpExchange, CommandStartedDuringAWaitIsRefusedAndSendsNothing)
{
    start([](const QByteArray& r) { return Reply{answer_frame(r[3], {ANSWER_ACK}), 250}; });
    int nested = -1;
    QTimer::singleShot(50, [&nested] { nested = CheckComLine(); });
    EXPECT_EQ(exchange(ORDER_RESET), 9);
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(peer->requests.size(), 1);
    EXPECT_EQ(statuses, std::vector<std::string>{BUSY_TEXT});
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), ORDER_RESET) << "the running exchange keeps its own frame";
}

TEST_F(TcpExchange, DataArrivingWhenNothingIsExpectedIsDiscarded)
{
    start([](const QByteArray& r) { return Reply{answer_frame(r[3], {ANSWER_ACK})}; });
    peer->send(QByteArray(3000, 0x42));
    pump(200);
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 9);
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), ORDER_LINE_CHECK);
    EXPECT_EQ(words[0], ANSWER_ACK);
}

}  // namespace
}  // namespace telvar::test
