// SPDX-License-Identifier: GPL-3.0-or-later
// What the live chart and the data-memory graph draw, computed from a live
// sample and the parameter record: the 18 traces of one sample, and the
// reference curves of a channel's data memory. Limits never leave the 12-bit
// range: sums are capped at 4095 and differences floored at 0.
#pragma once

#include <array>
#include <cstdint>

namespace telvar {

inline constexpr int TRACES = 18;
inline constexpr int MEMORY_SAMPLES = 128;
inline constexpr int LIMIT_MAX = 4095;

// Trace numbers as the chart counts them, 1 to 18.
enum Trace : int {
    TRACE_A = 1, TRACE_B, TRACE_EVAL,
    TRACE_A_TRIGGER, TRACE_A_UPPER, TRACE_A_REFERENCE, TRACE_A_LOWER,
    TRACE_B_TRIGGER, TRACE_B_UPPER, TRACE_B_REFERENCE, TRACE_B_LOWER,
    TRACE_EVAL_UPPER, TRACE_EVAL_REFERENCE, TRACE_EVAL_LOWER,
    TRACE_A_SECOND, TRACE_A_THIRD, TRACE_B_SECOND, TRACE_B_THIRD,
};

// Reference plus tolerance, at most 4095; reference minus tolerance, at least 0.
int upper_limit(std::uint16_t reference, std::uint16_t tolerance);
int lower_limit(std::uint16_t reference, std::uint16_t tolerance);

// The 18 trace values of a sample, trace 1 first: from the live words 1-7
// and the levels and limits of the record.
std::array<double, TRACES> sample_traces(const std::uint16_t* live, const std::uint16_t* record);

// The reference curves of a channel's data memory, each 128 samples.
struct MemoryCurves {
    std::array<std::uint16_t, MEMORY_SAMPLES> trigger;
    std::array<std::uint16_t, MEMORY_SAMPLES> pretrigger;  // 0 before the pretrigger place, 4095 from it
    std::array<std::uint16_t, MEMORY_SAMPLES> upper;
    std::array<std::uint16_t, MEMORY_SAMPLES> reference;
    std::array<std::uint16_t, MEMORY_SAMPLES> lower;
};

// From the block of the channel (its first record index, 0 or 16).
MemoryCurves memory_curves(const std::uint16_t* record, int block);

}  // namespace telvar
