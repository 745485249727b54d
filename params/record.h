// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter record: the PC's image of the controller's whole parameter
// set, 48 unsigned 16-bit words in three blocks of 16 (channel A, channel B,
// common settings), each block the payload of one frame. Word 0 of a block
// carries the block number when the block is sent.
#pragma once

#include <cstdint>

namespace telvar {

inline constexpr int PARAMETER_WORDS = 48;
inline constexpr int BLOCK_WORDS = 16;
inline constexpr int BLOCK_COUNT = PARAMETER_WORDS / BLOCK_WORDS;

// The record, read-only; record.cpp alone writes it, through these.
extern const std::uint16_t (&parameter)[PARAMETER_WORDS];
// The whole record from PARAMETER_WORDS words.
void take_record(const std::uint16_t* words);
// BLOCK_WORDS words over the block that starts at `first`.
void take_block(int first, const std::uint16_t* words);
void set_word(int index, std::uint16_t word);

// First index of each block.
inline constexpr int BLOCK_A = 0;
inline constexpr int BLOCK_B = 16;
inline constexpr int BLOCK_COMMON = 32;

// Words of a channel block, as offsets from its first index.
enum ChannelWord : int {
    CH_BLOCK_NUMBER = 0,
    CH_DECAY = 1,          // decay time constant; 0 while the data format is raw
    CH_MAX_MODE = 2,       // event word: when the maximum is acquired
    CH_SNAPSHOT_MODE = 3,  // event word, bits 0-7, at most one set
    CH_PRETRIGGER = 4,
    CH_LASER_POWER = 5,
    CH_REFERENCE = 6,
    CH_LOW_TOLERANCE = 7,  // a distance below the reference, shown negated
    CH_HIGH_TOLERANCE = 8,
    CH_AVERAGING = 9,
    CH_HYSTERESIS = 10,    // on no page: kept as the controller or file gave it
    CH_TRIGGER_LEVEL = 11,
    CH_FILTER = 12,        // 0 direct, bit 0 maximum, bit 1 minimum
    CH_RESET_MODE = 13,    // event word, bits 0-7
    CH_DATA_MODE = 14,     // 0 raw, 1 normalised
    CH_VALID_MODE = 15,    // event word, all 16 bits
};

// Words of the common block, as record indices.
enum CommonWord : int {
    EVAL_MODE = 33,
    CONTROLLER_OWN = 34,  // the controller's own: sent back as it came, never stored in a file
    SCAN_FREQUENCY = 35,
    ANALOG_OUTPUT_MODE = 36,
    EVAL_AVERAGING = 37,
    OUTPUT_0_MODE = 38,   // output n: mode word 38 + 2n, configuration word 39 + 2n
    OUTPUT_0_CONFIG = 39,
    EVAL_REFERENCE = 44,
    EVAL_LOW_TOLERANCE = 45,
    EVAL_HIGH_TOLERANCE = 46,
    TEACH_MODE = 47,      // low byte first teach field, high byte second
};

inline constexpr int OUTPUTS = 3;
constexpr int output_mode_word(int output) { return OUTPUT_0_MODE + 2 * output; }
constexpr int output_config_word(int output) { return OUTPUT_0_CONFIG + 2 * output; }

// In the max-value and result-valid words: on every sample.
inline constexpr std::uint16_t EVERY_SAMPLE = 0xFFFF;

// Data formats of CH_DATA_MODE.
inline constexpr int DATA_RAW = 0;
inline constexpr int DATA_NORMALISED = 1;

}  // namespace telvar
