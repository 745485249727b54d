// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/data_memory.h"

#include <algorithm>

namespace telvar::sim {

namespace {

constexpr std::uint8_t kAllBlocksRead = 0xFF;
static_assert(kMemoryBlocks == 8, "one bit per block");

}  // namespace

void DataMemory::record(std::uint16_t value, const TriggerSettings& settings)
{
    if (!recording_.empty()) {
        recording_.push_back(value);
        if (recording_.size() == kMemorySamples)
            finish_recording();
    } else if (armed_ && value >= settings.level) {
        armed_ = false;
        start_recording(std::clamp(settings.pretrigger, 0, kMemorySamples));
        recording_.push_back(value);
        if (recording_.size() >= kMemorySamples) {
            recording_.resize(kMemorySamples);
            finish_recording();
        }
    }
    // Re-armed only between recordings: a dip during one is no new crossing.
    if (recording_.empty() && value + std::max(settings.hysteresis, 0) < settings.level)
        armed_ = true;
    remember(value);
}

void DataMemory::remember(std::uint16_t value)
{
    if (!history_filled_) {
        history_.fill(value);
        history_filled_ = true;
    }
    history_[history_head_] = value;
    history_head_ = (history_head_ + 1) % kMemorySamples;
}

void DataMemory::start_recording(int pretrigger)
{
    recording_.clear();
    for (int k = pretrigger; k > 0; --k)
        recording_.push_back(history_[(history_head_ - k + kMemorySamples) % kMemorySamples]);
}

void DataMemory::finish_recording()
{
    Recording done{};
    std::copy(recording_.begin(), recording_.end(), done.begin());
    recording_.clear();
    if (blocks_read_ == 0) {
        readable_ = done;
        fresh_ = true;
    } else {
        waiting_ = done;
    }
}

std::optional<frame::Words> DataMemory::read_block(int start)
{
    if (!fresh_ || !is_block_start(start))
        return std::nullopt;
    frame::Words block{};
    std::copy_n(readable_.begin() + start, frame::kWords, block.begin());
    blocks_read_ |= static_cast<std::uint8_t>(1u << (start / frame::kWords));
    if (blocks_read_ == kAllBlocksRead) {
        blocks_read_ = 0;
        fresh_ = waiting_.has_value();
        if (waiting_)
            readable_ = *waiting_;
        waiting_.reset();
    }
    return block;
}

void DataMemory::clear()
{
    readable_.fill(0);
    fresh_ = false;
    blocks_read_ = 0;
    waiting_.reset();
    recording_.clear();
    armed_ = false;
}

}  // namespace telvar::sim
