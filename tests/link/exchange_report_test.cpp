// SPDX-License-Identifier: GPL-3.0-or-later
// What the exchange reports to whoever watches its frames, attempt by
// attempt, and how the frame monitor marks each report.
#include "support/link_fixture.h"
#include "support/mock_line.h"

#include "link/com232.h"
#include "link/frame_observer.h"
#include "link/orders.h"
#include "monitor/frame_log.h"
#include "monitor/frame_text.h"

#include <deque>

namespace telvar::test {
namespace {

class ExchangeReport : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        set_frame_observer("test", [this](const FrameSeen& report) { seen.push_back(record_of(report, 0)); });
    }
    void TearDown() override
    {
        set_frame_observer("test", nullptr);
        LinkTest::TearDown();
    }
    std::vector<std::string> column(int which) const
    {
        std::vector<std::string> cells;
        for (const FrameRecord& record : seen)
            cells.push_back(frame_cell(record, which));
        return cells;
    }
    std::vector<FrameRecord> seen;
};

TEST_F(ExchangeReport, EveryAttemptIsReportedWithItsFaultMarked)
{
    const FastClock fast;
    std::deque<MockReply> replies{
        MockReply{.write_fails = true},
        MockReply{.write_fails = true},
        MockReply{.silent = true},
        MockReply{answer_frame(ORDER_RESET, {ANSWER_ACK}).left(frame::kBytes - 1)},
        MockReply{answer_frame_with_sync(0x5500, ORDER_RESET, {ANSWER_ACK})},
    };
    MockLine line([&replies](const QByteArray&) {
        MockReply next = replies.front();
        replies.pop_front();
        return next;
    });
    EXPECT_EQ(exchange(ORDER_RESET), 5);
    EXPECT_EQ(column(COLUMN_DIRECTION),
              (std::vector<std::string>{"out", "out", "out", "in", "out", "in", "out", "in"}));
    // No request row stands for an attempt whose write failed: the failure names its retry.
    EXPECT_EQ(column(COLUMN_MARKS), (std::vector<std::string>{"write failure", "write failure, retry 2", "retry 3",
                                                              "time-out", "retry 4", "data failure", "retry 5",
                                                              "wrong sync"}));
    EXPECT_EQ(seen.back().words[0], ANSWER_ACK) << "the wrong answer is logged as it came";

    // The version answer is text from its first byte: no sync word is due.
    seen.clear();
    line.script = [](const QByteArray&) {
        QByteArray text("TELVAR-K20 2.1");
        text.resize(frame::kBytes, '\0');
        return MockReply{text};
    };
    EXPECT_EQ(exchange(ORDER_VERSION), 9);
    EXPECT_EQ(column(COLUMN_NAME), (std::vector<std::string>{"VERSION", "VERSION text"}));
    EXPECT_EQ(column(COLUMN_MARKS), (std::vector<std::string>{"", "text"}));
}

}  // namespace
}  // namespace telvar::test
