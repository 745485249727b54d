// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a chart's data as a CSV file.
#include "platform/plot_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace telvar::detail {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(PlotCsv, ColumnsSideBySideWithQuotedNamesAndShortestNumbers)
{
    const std::string text = columns_csv({
        {"A value", {0, 4095, 0.1}},
        {"limit, upper", {-2.5, 1e20}},
        {"say \"hi\"", {kNaN, 7, 8}},
    });
    EXPECT_EQ(text,
              "A value,\"limit, upper\",\"say \"\"hi\"\"\"\r\n"
              "0,-2.5,\r\n"
              "4095,1e+20,7\r\n"
              "0.1,,8\r\n");
    EXPECT_EQ(columns_csv({{"only", {}}}), "only\r\n") << "an empty chart is a header alone";
}

TEST(PlotCsv, PlotsShareTheXColumnAndLeaveGapsWhereTheyHaveNoPoint)
{
    const std::vector<CsvPlot> plots = {
        {"data", {2, 0, 1}, {20, 0, 10}},
        {"limit", {1, 3}, {4095, 4095}},
        {"step", {1, 1, kNaN}, {0, 4095, 5}},  // a vertical step: two points at x = 1
    };
    EXPECT_EQ(plots_csv("Sample", plots),
              "Sample,data,limit,step\r\n"
              "0,0,,\r\n"
              "1,10,4095,0\r\n"
              "1,,,4095\r\n"
              "2,20,,\r\n"
              "3,,4095,\r\n");
    EXPECT_EQ(plots_csv("x", {}), "x\r\n");
}

}  // namespace
}  // namespace telvar::detail
