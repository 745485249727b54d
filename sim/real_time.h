// SPDX-License-Identifier: GPL-3.0-or-later
// The program's clock for the core: real time, steady.
#pragma once

#include <chrono>

#include "sim/core/time.h"

namespace telvar::sim {

inline Time real_now()
{
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace telvar::sim
