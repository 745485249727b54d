// SPDX-License-Identifier: GPL-3.0-or-later
// The download's progress bar on a terminal.
#include "cli/progress_bar.h"

#include <gtest/gtest.h>

namespace telvar::cli {
namespace {

TEST(ProgressBar, FillsWithTheShareAndKeepsToItsWidth)
{
    EXPECT_EQ(progress_bar(0, 10), "[----------]   0%");
    EXPECT_EQ(progress_bar(55, 10), "[#####-----]  55%");
    EXPECT_EQ(progress_bar(100, 10), "[##########] 100%");
    EXPECT_EQ(progress_bar(250, 10), progress_bar(100, 10));
    EXPECT_EQ(progress_bar(-3, 10), progress_bar(0, 10));
}

}  // namespace
}  // namespace telvar::cli
