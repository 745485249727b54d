// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/frame_receiver.h"

#include "link/frame.h"

namespace telvar::sim {

namespace {

constexpr std::uint8_t kSyncHigh = frame::kSyncWord >> 8;
constexpr std::uint8_t kSyncLow = frame::kSyncWord & 0xFF;

}  // namespace

std::vector<Request> FrameReceiver::feed(std::span<const std::uint8_t> bytes, Time now)
{
    if (!pending_.empty() && now - last_byte_ > kFrameGap)
        pending_.clear();
    if (!bytes.empty())
        last_byte_ = now;
    std::vector<Request> frames;
    for (std::uint8_t byte : bytes)
        take(byte, frames);
    return frames;
}

void FrameReceiver::take(std::uint8_t byte, std::vector<Request>& frames)
{
    pending_.push_back(byte);
    if (pending_.size() == 1 && byte != kSyncHigh) {
        pending_.clear();
    } else if (pending_.size() == 2 && byte != kSyncLow) {
        pending_.clear();
        if (byte == kSyncHigh)
            pending_.push_back(byte);
    } else if (pending_.size() == frame::kBytes) {
        frames.push_back(*frame::decode(pending_.data()));
        pending_.clear();
    }
}

}  // namespace telvar::sim
