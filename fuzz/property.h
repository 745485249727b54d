// SPDX-License-Identifier: GPL-3.0-or-later
// A broken property stops the run like a crash, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace telvar::fuzz {

inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace telvar::fuzz
