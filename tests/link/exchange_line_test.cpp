// SPDX-License-Identifier: GPL-3.0-or-later
// The frame exchange over the line table, against a line with scripted
// faults: every failure text with its digit, and the line chosen once.
#include "support/mock_line.h"
#include "support/link_fixture.h"

#include "link/com232.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "platform/events.h"

#include <deque>

namespace telvar::test {
namespace {

// Plays the replies in turn, then acknowledges.
MockScript in_turn(std::deque<MockReply> replies)
{
    return [replies](const QByteArray& request) mutable {
        if (replies.empty())
            return acknowledge(request);
        MockReply next = replies.front();
        replies.pop_front();
        return next;
    };
}

MockReply short_read(int order)
{
    return MockReply{answer_frame(order, {ANSWER_ACK}).left(frame::kBytes - 1)};
}

using ExchangeLine = LinkTest;

TEST_F(ExchangeLine, EveryKindOfFailureIsReportedWithTheAttemptsLeft)
{
    const FastClock fast;
    MockLine line(in_turn({MockReply{.write_fails = true}, MockReply{.silent = true}, short_read(ORDER_RESET)}));
    EXPECT_EQ(exchange(ORDER_RESET), 6);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Write failure! Retrying for 9 times.",
                                                  "Read failure! Retrying for 8 times.",
                                                  "Data failure! Retrying for 7 times."}));
    ASSERT_EQ(line.requests.size(), 3) << "the failed write sent nothing";
    for (const QByteArray& request : line.requests)
        EXPECT_EQ(request, QByteArray(reinterpret_cast<const char*>(szWriteBuf), frame::kBytes));
    EXPECT_EQ(line.flushes, 4) << "every attempt starts from an empty line";
}

TEST_F(ExchangeLine, ShortReadsOnEveryAttemptEndTheExchange)
{
    MockLine line([](const QByteArray&) { return short_read(ORDER_READ_RAM); });
    EXPECT_EQ(exchange(ORDER_READ_RAM), 0);
    ASSERT_EQ(statuses.size(), 9u);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(statuses[k], "Data failure! Retrying for " + std::to_string(9 - k) + " times.");
}

TEST_F(ExchangeLine, FailingWritesNeverWait)
{
    MockLine line([](const QByteArray&) { return MockReply{.write_fails = true}; });
    const double started = Timer();
    EXPECT_EQ(exchange(ORDER_LINE_CHECK), 0);
    EXPECT_LT(Timer() - started, ANSWER_TIMEOUT);
    EXPECT_EQ(statuses_starting("Write failure! Retrying for ").size(), 9u);
    EXPECT_TRUE(line.requests.isEmpty());
}

TEST_F(ExchangeLine, TheLineIsChosenByTheProtocolUnlessATestPutsItsOwn)
{
    choose_protocol(0);
    EXPECT_EQ(&selected_line(), &rs232_line_functions);
    for (int tcp : {1, 2, -1}) {
        choose_protocol(tcp);
        EXPECT_EQ(&selected_line(), &tcp_line_functions) << tcp;
    }
    {
        MockLine line;
        EXPECT_EQ(&selected_line(), &MockLine::functions);
    }
    EXPECT_EQ(&selected_line(), &tcp_line_functions);
}

}  // namespace
}  // namespace telvar::test
