// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's history and the arrays the plot functions read, without
// a widget.
#include "platform/graph.h"
#include "platform/plot_values.h"
#include "platform/strip_history.h"

#include <gtest/gtest.h>

#include <vector>

namespace telvar::detail {
namespace {

using Points = std::vector<double>;

TEST(StripHistory, KeepsTheNewestPointsOfEachTraceAcrossAppends)
{
    StripHistory history(2, 3);
    history.append(Points{1, 10, 2, 20});
    EXPECT_EQ(history.points(0), (Points{1, 2}));
    EXPECT_EQ(history.points(1), (Points{10, 20}));
    history.append(Points{3, 30, 4, 40});
    EXPECT_EQ(history.points(0), (Points{2, 3, 4})) << "the oldest point scrolls off";
    EXPECT_EQ(history.points(1), (Points{20, 30, 40}));
    history.append(Points{5, 50, 6, 60, 7, 70, 8, 80});
    EXPECT_EQ(history.points(0), (Points{6, 7, 8})) << "more samples than the screen holds";
    EXPECT_EQ(history.points(1), (Points{60, 70, 80}));
}

TEST(StripHistory, FewerPointsKeepTheNewestAndOtherTracesStartEmpty)
{
    StripHistory history(2, 4);
    history.append(Points{1, 10, 2, 20, 3, 30, 4, 40});
    history.set_points_per_screen(2);
    EXPECT_EQ(history.points(0), (Points{3, 4}));
    history.set_points_per_screen(5);
    history.append(Points{5, 50});
    EXPECT_EQ(history.points(1), (Points{30, 40, 50})) << "more points per screen lose nothing kept";

    history.set_traces(2);
    EXPECT_EQ(history.points(0), (Points{3, 4, 5})) << "the same number of traces keeps the points";
    history.set_traces(3);
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(history.points(t).empty()) << t;
    history.append(Points{7, 8, 9});
    EXPECT_EQ(history.points(2), (Points{9}));
    history.clear();
    EXPECT_TRUE(history.points(2).empty());
}

TEST(PlotValues, StartAndSkipPickTheElementsOfEitherType)
{
    const double doubles[] = {0, 1.5, 2, 3, 4, 5.25, 6, 7};
    Points out;
    read_values(doubles, VAL_DOUBLE, 1, 3, 1, &out);
    EXPECT_EQ(out, (Points{1.5, 3, 5.25}));

    const unsigned short words[] = {9, 65535, 7, 0, 4095};
    read_values(words, VAL_UNSIGNED_SHORT_INTEGER, 0, 2, 3, &out);
    EXPECT_EQ(out, (Points{1.5, 3, 5.25, 9, 4095})) << "appended, unsigned words as they stand";

    EXPECT_TRUE(is_plot_data_type(VAL_DOUBLE));
    EXPECT_TRUE(is_plot_data_type(VAL_UNSIGNED_SHORT_INTEGER));
    EXPECT_FALSE(is_plot_data_type(5));
}

}  // namespace
}  // namespace telvar::detail
