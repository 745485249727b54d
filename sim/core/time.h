// SPDX-License-Identifier: GPL-3.0-or-later
// Simulated time. Every part of the core is handed "now" instead of reading
// a clock, so tests step time by hand and the program feeds it real time.
#pragma once

#include <chrono>

namespace telvar::sim {

using Time = std::chrono::microseconds;

// One measurement per scan; also the resolution of the data memory.
inline constexpr Time kSamplePeriod = std::chrono::milliseconds(10);

}  // namespace telvar::sim
