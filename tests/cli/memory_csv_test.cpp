// SPDX-License-Identifier: GPL-3.0-or-later
// A data-memory recording as datamem writes it.
#include "cli/memory_csv.h"
#include "params/record.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace telvar::cli {
namespace {

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

TEST(MemoryCsv, OneRowPerSampleBesideTheChannelsCurves)
{
    std::array<std::uint16_t, PARAMETER_WORDS> record{};
    record[BLOCK_B + CH_PRETRIGGER] = 40;
    record[BLOCK_B + CH_REFERENCE] = 4000;
    record[BLOCK_B + CH_HIGH_TOLERANCE] = 200;
    record[BLOCK_B + CH_LOW_TOLERANCE] = 300;
    record[BLOCK_B + CH_TRIGGER_LEVEL] = 1900;
    unsigned short samples[MEMORY_SAMPLES];
    for (int k = 0; k < MEMORY_SAMPLES; ++k)
        samples[k] = static_cast<unsigned short>(60000 + k);

    const std::string csv = memory_csv('B', samples, memory_curves(record.data(), BLOCK_B));
    const std::vector<std::string> lines = lines_of(csv);
    ASSERT_EQ(lines.size(), 129u);
    EXPECT_EQ(lines[0], "index,channel B,B trigger level,B pretrigger,B upper limit,B reference,B lower limit\r");
    EXPECT_EQ(lines[1], "0,60000,1900,0,4095,4000,3700\r");
    EXPECT_EQ(lines[40], "39,60039,1900,0,4095,4000,3700\r");
    EXPECT_EQ(lines[41], "40,60040,1900,4095,4095,4000,3700\r") << "the step from the pretrigger place on";
    EXPECT_EQ(lines[128], "127,60127,1900,4095,4095,4000,3700\r");
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
}

}  // namespace
}  // namespace telvar::cli
