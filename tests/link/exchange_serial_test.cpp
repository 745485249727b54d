// SPDX-License-Identifier: GPL-3.0-or-later
// The frame exchange over a pseudo-terminal, the way a COM port behaves.
#include "support/link_fixture.h"

#include "link/com232.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "platform/events.h"

#include <QTest>

#include <termios.h>

namespace telvar::test {
namespace {

class SerialExchange : public LinkTest {
protected:
    void start(Script then)
    {
        peer = std::make_unique<PtyPeer>(good_controller);
        open_serial(*peer);
        ASSERT_EQ(rs232con, 1) << (statuses.empty() ? "" : statuses.back());
        peer->script = std::move(then);
        peer->requests.clear();
        statuses.clear();
    }
    std::unique_ptr<PtyPeer> peer;
};

TEST_F(SerialExchange, OpeningChecksTheLineAndShowsTheVersion)
{
    start(good_controller);
    EXPECT_STREQ(status_text(), "TELVAR-K20 test peer 1.0");
}

TEST_F(SerialExchange, GoodAnswerAndBinaryBytesPassUntouched)
{
    // 0x11 and 0x13 are XON and XOFF: the protocol line must not eat them.
    start([](const QByteArray&) { return Reply{answer_frame(ORDER_READ_RAM, {0x1113, 0x1311, 0xFFFF})}; });
    EXPECT_EQ(exchange(ORDER_READ_RAM, {0x1113}), 9);
    ASSERT_EQ(peer->requests.size(), 1);
    EXPECT_EQ(peer->requests[0], QByteArray(reinterpret_cast<const char*>(szWriteBuf), frame::kBytes));
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), ORDER_READ_RAM);
    EXPECT_EQ(words[0], 0x1113);
    EXPECT_EQ(words[1], 0x1311);
}

TEST_F(SerialExchange, ShortAnswerRaisesNoReceiveEventAndIsFlushed)
{
    start([](const QByteArray&) { return Reply{answer_frame(ORDER_READ_RAM).left(35)}; });
    EXPECT_EQ(exchange(ORDER_READ_RAM), 0);
    EXPECT_EQ(peer->requests.size(), 9);
    EXPECT_EQ(statuses_starting("Read failure! Retrying for ").size(), 9u);
    EXPECT_EQ(statuses.back(), "Read failure! Retrying for 1 times.");
}

TEST_F(SerialExchange, AnswerInPiecesCompletes)
{
    start([](const QByteArray& r) {
        Reply reply{answer_frame(r[3], {ANSWER_ACK})};
        reply.split_at = 7;
        reply.split_pause_ms = 100;
        return reply;
    });
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 9);
}

// An answer that begins inside the wait and ends after it, as on a line
// paced at the controller's speed, is taken whole, not cut in two for the
// next attempt to read its tail as an answer: here its first byte 480 ms
// late, the rest 35 ms later. One that begins 750 ms late, 250 ms after the
// first wait ends and 250 ms before the second does, costs an attempt.
TEST_F(SerialExchange, LateAnswerIsTakenWholeInTheAttemptItBeganIn)
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

TEST_F(SerialExchange, GarbageBeforeTheAnswerMakesItUnreadable)
{
    start([](const QByteArray& r) { return Reply{QByteArray(3, '\x99') + answer_frame(r[3], {ANSWER_ACK})}; });
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 9);
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), -1);
}

TEST_F(SerialExchange, ClosedPortFailsEveryWrite)
{
    start(good_controller);
    InitRS232(0);
    EXPECT_EQ(rs232con, 0);
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 0);
    EXPECT_EQ(statuses_starting("Write failure! Retrying for ").size(), 9u);
}

TEST_F(SerialExchange, SilentLineAndReopeningTheSamePort)
{
    start([](const QByteArray&) { return std::nullopt; });
    {
        const FastClock fast;
        EXPECT_EQ(exchange(ORDER_LINE_CHECK), 0);
        EXPECT_EQ(statuses_starting("Read failure! Retrying for ").size(), 9u);

        // A line check that failed leaves the port open; the next open must still work.
        InitRS232(1);
    }
    EXPECT_EQ(rs232con, 0);
    EXPECT_EQ(statuses.back(), "Error! No connection found.");
    peer->script = good_controller;
    InitRS232(1);
    EXPECT_EQ(rs232con, 1);
}

TEST_F(SerialExchange, BytesThatCameUnaskedWaitInTheInputQueue)
{
    start(good_controller);
    peer->send(QByteArray("Waiting for"));
    EXPECT_TRUE(QTest::qWaitFor([] { return rs232_line_functions.bytes_waiting() == 11; }, 2000));
    unsigned char taken[11] = {};
    EXPECT_EQ(rs232_line_functions.read(taken, 11), 11);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(taken), 11), "Waiting for");
    EXPECT_EQ(rs232_line_functions.bytes_waiting(), 0);
}

TEST_F(SerialExchange, OnlyTheBootLoaderLineUsesXonXoff)
{
    start(good_controller);
    EXPECT_EQ(peer->input_flags() & (IXON | IXOFF), 0u) << "binary frames hold 0x11 and 0x13";

    InitRS232(0);
    InitRS232_PL(1);
    EXPECT_EQ(rs232con, 1);
    EXPECT_EQ(peer->input_flags() & (IXON | IXOFF), unsigned(IXON | IXOFF));
    EXPECT_EQ(peer->input_flags() & IXANY, 0u) << "only XON may restart output stopped by XOFF";
    EXPECT_EQ(peer->requests.size(), 0) << "the boot-loader line sends no line check";
}

TEST_F(SerialExchange, OpenErrorsShowTheirTexts)
{
    choose_com_port(99);
    EXPECT_EQ(InitRS232(1), 0);
    EXPECT_EQ(statuses.back(), "Invalid port number");

    PtyPeer peer(good_controller);  // points the pty links at an empty folder
    choose_com_port(66);                    // ttyTELVAR1 does not exist there
    EXPECT_EQ(InitRS232(1), 0);
    EXPECT_EQ(statuses.back(), "No serial port found");

    EXPECT_EQ(InitRS232(0), 0) << "closing a line that is not open closes nothing";
}

}  // namespace
}  // namespace telvar::test
