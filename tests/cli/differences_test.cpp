// SPDX-License-Identifier: GPL-3.0-or-later
// The stored words in which two sets differ, as verify prints them.
#include "cli/differences.h"
#include "params/record.h"

#include <array>

#include <gtest/gtest.h>

namespace telvar::cli {
namespace {

using Record = std::array<std::uint16_t, PARAMETER_WORDS>;

TEST(Differences, OnlyStoredWordsCountInTheFilesOrder)
{
    Record file{};
    Record controller{};
    for (int k = 0; k < PARAMETER_WORDS; ++k)
        file[k] = controller[k] = static_cast<std::uint16_t>(100 + k);
    controller[BLOCK_A + CH_REFERENCE] = 2100;
    controller[EVAL_HIGH_TOLERANCE] = 65535;
    controller[EVAL_LOW_TOLERANCE] = 0;
    controller[CONTROLLER_OWN] = 0x0320;  // never in a file
    controller[BLOCK_B] = 2;               // a block number
    const std::vector<Difference> found = differences(file.data(), controller.data());
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(difference_line(found[0]), "[CHANNEL A] Reference Value: file 106, controller 2100");
    EXPECT_EQ(difference_line(found[1]), "[COMMON SETTINGS] High Tolerance: file 146, controller 65535")
        << "high before low, as the file holds them";
    EXPECT_EQ(difference_line(found[2]), "[COMMON SETTINGS] Low Tolerance: file 145, controller 0");
    EXPECT_TRUE(differences(file.data(), file.data()).empty());
}

}  // namespace
}  // namespace telvar::cli
