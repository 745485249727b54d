// SPDX-License-Identifier: GPL-3.0-or-later
// The controller's parameter set: 48 words in three blocks of 16 (channel A,
// channel B, common settings), word 0 of each block its block number.
#pragma once

#include <array>
#include <cstdint>

#include "link/frame.h"

namespace telvar::sim {

inline constexpr int kBlockCount = 3;
inline constexpr int kParameterWords = kBlockCount * frame::kWords;

// Word positions inside a channel block; channel B adds kChannelBOffset.
namespace channel_word {
inline constexpr int kDecayTime = 1;
inline constexpr int kPretrigger = 4;
inline constexpr int kReference = 6;
inline constexpr int kLowTolerance = 7;
inline constexpr int kHighTolerance = 8;
inline constexpr int kTriggerHysteresis = 10;
inline constexpr int kTriggerLevel = 11;
inline constexpr int kDataMode = 14;
}  // namespace channel_word

inline constexpr int kChannelAOffset = 0;
inline constexpr int kChannelBOffset = 16;
inline constexpr int kCommonOffset = 32;

inline constexpr int kEvaluationReference = 44;
inline constexpr int kEvaluationLowTolerance = 45;
inline constexpr int kEvaluationHighTolerance = 46;

// A word of the controller's own: it sends it with the common block and
// keeps it whatever a write request carries there.
inline constexpr int kOwnWordIndex = 34;
inline constexpr std::uint16_t kOwnWordValue = 0x0320;

struct ParameterSet {
    std::array<std::uint16_t, kParameterWords> words{};

    static bool is_block_number(int number) { return number >= 1 && number <= kBlockCount; }
    frame::Words block(int number) const;
    // Stores a block; the own word is kept and word 0 becomes the block number.
    void store_block(int number, const frame::Words& block);

    bool operator==(const ParameterSet&) const = default;
};

// What a new controller holds in EEPROM: normalised data, references in the
// middle of the 12-bit range, tolerances and trigger levels the signal
// model crosses now and then.
ParameterSet factory_parameters();

}  // namespace telvar::sim
