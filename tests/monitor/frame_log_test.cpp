// SPDX-License-Identifier: GPL-3.0-or-later
// The frame monitor's log and its list: the ring keeps the newest frames,
// and the list follows it through its filter.
#include "link/frame.h"
#include "link/orders.h"
#include "monitor/frame_log.h"
#include "monitor/frame_view.h"

#include <gtest/gtest.h>

#include <array>

namespace telvar {
namespace {

using Bytes = std::array<unsigned char, frame::kBytes>;

Bytes frame_bytes(int order, std::initializer_list<int> words = {})
{
    std::uint16_t payload[frame::kWords] = {};
    int k = 0;
    for (int w : words)
        payload[k++] = static_cast<std::uint16_t>(w);
    Bytes bytes{};
    frame::encode(bytes.data(), frame::kSyncWord, order, payload);
    return bytes;
}

// What the exchange reports for a request of `order` at `time`.
FrameRecord request(int order, double time = 0)
{
    const Bytes bytes = frame_bytes(order);
    return record_of({FrameEvent::Request, 1, bytes.data(), nullptr}, time);
}

FrameRecord answer(int order, int answer_code)
{
    const Bytes sent = frame_bytes(order);
    const Bytes came = frame_bytes(answer_code);
    return record_of({FrameEvent::Answer, 1, sent.data(), came.data()}, 0);
}

FrameRecord timed_out(int order)
{
    const Bytes sent = frame_bytes(order);
    return record_of({FrameEvent::TimedOut, 1, sent.data(), nullptr}, 0);
}

TEST(FrameLog, KeepsTheLastTenThousandFramesAndTheListFollowsIt)
{
    FrameLog log;
    FrameView view(log);
    for (int k = 0; k < 10; ++k)
        log.add(request(ORDER_RAWDATA, k));
    EXPECT_EQ(view.follow(), 0u);
    EXPECT_EQ(view.size(), 10u);

    const int total = 10 + static_cast<int>(FrameLog::kCapacity) + 5;
    for (int k = 10; k < total; ++k)
        log.add(request(ORDER_RAWDATA, k));
    EXPECT_EQ(log.size(), FrameLog::kCapacity);
    EXPECT_EQ(log.find(log.first())->time, 15) << "the oldest frames went first";
    EXPECT_EQ(log.find(log.end() - 1)->time, total - 1);
    EXPECT_EQ(view.row(0), nullptr) << "a row whose frame has left the log shows nothing";

    EXPECT_EQ(view.follow(), 10u) << "every row listed before has left the log";
    ASSERT_EQ(view.size(), FrameLog::kCapacity);
    EXPECT_EQ(view.row(0)->time, 15);
    EXPECT_EQ(view.row(view.size() - 1)->time, total - 1);

    log.clear();
    EXPECT_EQ(view.follow(), FrameLog::kCapacity);
    EXPECT_EQ(view.size(), 0u);

    // A filter chosen on the emptied log lists what comes after.
    view.set_filter(ORDER_RAWDATA);
    EXPECT_EQ(view.size(), 0u);
    log.add(request(ORDER_RAWDATA, total));
    view.follow();
    ASSERT_EQ(view.size(), 1u);
    EXPECT_EQ(view.row(0)->time, total);
}

TEST(FrameView, FilterListsTheChosenOrdersRequestsWithTheirAnswersAndFailures)
{
    FrameLog log;
    FrameView view(log);
    log.add(request(ORDER_DATA_MEMORY));
    log.add(answer(ORDER_DATA_MEMORY, DATA_BLOCK_FIRST + 48));
    log.add(request(ORDER_RAWDATA));
    log.add(answer(ORDER_RAWDATA, ORDER_RAWDATA));
    log.add(request(ORDER_DATA_MEMORY));
    view.set_filter(ORDER_DATA_MEMORY);
    log.add(timed_out(ORDER_DATA_MEMORY));
    log.add(request(ORDER_RAWDATA));
    log.add(answer(ORDER_RAWDATA, ORDER_DATA_MEMORY));  // a stale answer: it goes with the request it came for
    view.follow();

    ASSERT_EQ(view.size(), 4u);
    EXPECT_EQ(view.row(0)->code, ORDER_DATA_MEMORY);
    EXPECT_EQ(view.row(1)->code, DATA_BLOCK_FIRST + 48) << "the answer has a code of its own";
    EXPECT_EQ(view.row(2)->event, FrameEvent::Request);
    EXPECT_EQ(view.row(3)->event, FrameEvent::TimedOut);

    view.set_filter(std::nullopt);
    EXPECT_EQ(view.size(), 8u);
}

}  // namespace
}  // namespace telvar
