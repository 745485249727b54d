// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/frame_receiver.h"

#include <gtest/gtest.h>

#include "tests/sim/requests.h"

namespace telvar::sim {
namespace {

using namespace std::chrono_literals;
using test::request_bytes;

Bytes piece(const Bytes& bytes, std::size_t from, std::size_t to)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

TEST(FrameReceiverTest, JoinsPiecesAndSplitsBackToBackFrames)
{
    FrameReceiver receiver;
    const Bytes check = request_bytes(ORDER_LINE_CHECK);
    Bytes rest = piece(check, 20, 36);
    const Bytes sample = request_bytes(ORDER_RAWDATA, {1});
    rest.insert(rest.end(), sample.begin(), sample.end());
    EXPECT_TRUE(receiver.feed(piece(check, 0, 20), Time{0}).empty());
    const auto frames = receiver.feed(rest, 5ms);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].order, ORDER_LINE_CHECK);
    EXPECT_EQ(frames[1].order, ORDER_RAWDATA);
    EXPECT_EQ(frames[1].words[0], 1);
}

TEST(FrameReceiverTest, DropsGarbageBeforeTheSyncWord)
{
    FrameReceiver receiver;
    Bytes bytes = {0x55, 0x00, 0x00, 0x00, 0x12, 0x55, 0x00};
    const Bytes reset = request_bytes(ORDER_RESET);
    bytes.insert(bytes.end(), reset.begin(), reset.end());
    const auto frames = receiver.feed(bytes, Time{0});
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].order, ORDER_RESET);
}

TEST(FrameReceiverTest, PartialFrameIsDroppedWhenTheLineGoesQuiet)
{
    FrameReceiver receiver;
    const Bytes version = request_bytes(ORDER_VERSION);
    const Bytes cut_off = request_bytes(ORDER_RAWDATA, {1});
    receiver.feed(piece(cut_off, 0, 10), Time{0});
    const auto frames = receiver.feed(version, kFrameGap + 1ms);
    ASSERT_EQ(frames.size(), 1u) << "the retry starts clean";
    EXPECT_EQ(frames[0].order, ORDER_VERSION);
}

}  // namespace
}  // namespace telvar::sim
