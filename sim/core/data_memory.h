// SPDX-License-Identifier: GPL-3.0-or-later
// The triggered data memory of one channel. When the signal rises through
// the trigger level, 128 samples are recorded: the pretrigger count before
// the trigger, the rest from the trigger sample on. The trigger re-arms
// once the signal has fallen below the level by the hysteresis.
//
// A recording is new until it has been read in full (all eight blocks, in
// any order, repeats allowed, so a block whose answer was lost can be asked
// for again). A recording finished while a read is under way waits until
// that read is complete, so one read never mixes two events.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "link/frame.h"

namespace telvar::sim {

inline constexpr int kMemorySamples = 128;
inline constexpr int kMemoryBlocks = kMemorySamples / frame::kWords;

struct TriggerSettings {
    int level;
    int hysteresis;
    int pretrigger;
};

class DataMemory {
public:
    void record(std::uint16_t value, const TriggerSettings& settings);

    static bool is_block_start(int start) { return start >= 0 && start < kMemorySamples && start % frame::kWords == 0; }
    // Empty when nothing new has been recorded since the last full read.
    std::optional<frame::Words> read_block(int start);

    void clear();

private:
    using Recording = std::array<std::uint16_t, kMemorySamples>;

    void remember(std::uint16_t value);
    void start_recording(int pretrigger);
    void finish_recording();

    std::array<std::uint16_t, kMemorySamples> history_{};  // ring of the latest samples
    int history_head_ = 0;
    bool history_filled_ = false;

    bool armed_ = false;
    std::vector<std::uint16_t> recording_;  // being filled; empty when idle

    Recording readable_{};
    bool fresh_ = false;
    std::uint8_t blocks_read_ = 0;  // one bit per block of the read under way
    std::optional<Recording> waiting_;
};

}  // namespace telvar::sim
