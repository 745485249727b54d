// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/memory_csv.h"

namespace telvar::cli {

std::string memory_csv(char channel, const unsigned short* samples, const MemoryCurves& curves)
{
    const std::string c(1, channel);
    std::string csv = "index,channel " + c + "," + c + " trigger level," + c + " pretrigger," + c + " upper limit,"
        + c + " reference," + c + " lower limit\r\n";
    for (int k = 0; k < MEMORY_SAMPLES; ++k) {
        std::string row = std::to_string(k);
        for (const int value : {int(samples[k]), int(curves.trigger[k]), int(curves.pretrigger[k]),
                                int(curves.upper[k]), int(curves.reference[k]), int(curves.lower[k])})
            row += "," + std::to_string(value);
        csv += row + "\r\n";
    }
    return csv;
}

}  // namespace telvar::cli
