// SPDX-License-Identifier: GPL-3.0-or-later
// The resident memory of this process as the kernel counts it (VmRSS).
#pragma once

#include <fstream>
#include <string>

namespace telvar::bench {

// In KiB; 0 where /proc/self/status cannot be read.
inline long resident_kib()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

}  // namespace telvar::bench
