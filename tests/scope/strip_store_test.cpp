// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's history: the samples kept for looking back, their
// times, the breaks, and the points that draw them.
#include "scope/strip_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <utility>
#include <vector>

namespace telvar {
namespace {

using Points = std::vector<double>;

TEST(StripStore, KeepsTheNewestSamplesInItsFixedRoomAndNumbersThemOn)
{
    StripStore ring(2, 5);
    for (int n = 0; n < 12; ++n)
        ring.push(Points{double(n), 100.0 + n}, 1000.0 + n);
    EXPECT_EQ(ring.size(), 5u) << "bounded: the oldest were dropped";
    EXPECT_EQ(ring.first(), 7);
    EXPECT_EQ(ring.end(), 12);
    Points kept;
    ring.values(0, 7, 12, &kept);
    ring.values(1, 7, 12, &kept);
    EXPECT_EQ(kept, (Points{7, 8, 9, 10, 11, 107, 108, 109, 110, 111}));
    // The same samples where they lie: the ring wraps after the first three.
    const auto runs = ring.runs(1, 7, 12);
    EXPECT_EQ(Points(runs[0].begin(), runs[0].end()), (Points{107, 108, 109}));
    EXPECT_EQ(Points(runs[1].begin(), runs[1].end()), (Points{110, 111}));
    const auto beyond = ring.runs(1, 0, 100);
    EXPECT_EQ(beyond[0].size() + beyond[1].size(), 5u) << "a range beyond the samples kept is cut to them";
    std::vector<StripPoint> points;
    ring.draw_points(1, 0, 100, 1.0, &points);
    ASSERT_EQ(points.size(), 5u) << "few samples: all of them, and only those kept";
    EXPECT_EQ(points.front().number, 7);
    EXPECT_EQ(points.back().value, 111);

    ring.set_traces(2);
    EXPECT_EQ(ring.size(), 5u) << "the same number of traces keeps the samples";
    ring.set_traces(3);
    EXPECT_EQ(ring.size(), 0u);
    ring.push(Points{1, 2, 3}, 0);
    kept.clear();
    ring.values(2, ring.first(), ring.end(), &kept);
    EXPECT_EQ(kept, Points{3});
}

TEST(StripStore, SamplesKeepTheirTimesAndTheLineBreaksWhereTheRecordDoes)
{
    StripStore ring(1, 6);
    const double times[] = {10, 10.5, 9, 20, 20.5, 21, 21.5, 22};
    ring.mark_gap();
    for (int n = 0; n < 8; ++n) {
        if (n == 3) {
            ring.mark_gap();
            ring.mark_gap();
        }
        if (n == 6)
            ring.mark_gap();
        ring.push(Points{100.0 + n}, times[n]);
    }
    EXPECT_EQ(ring.time(2), 10.5) << "a time that runs backwards is taken as the one before";
    EXPECT_EQ(ring.time(7), 22);
    EXPECT_EQ(ring.first_from(0), 2);
    EXPECT_EQ(ring.first_from(15), 3) << "the first sample after the break";
    EXPECT_EQ(ring.first_from(21.2), 6);
    EXPECT_EQ(ring.first_from(100), ring.end());
    EXPECT_EQ(ring.gaps(), (std::deque<long long>{3, 6})) << "once each, and none before the samples kept";

    std::vector<StripPoint> points;
    ring.draw_points(0, 0, 100, 1.0, &points);
    std::vector<double> numbers;
    for (const StripPoint& p : points) {
        numbers.push_back(p.number);
        if (!std::isnan(p.value)) {
            EXPECT_EQ(p.value, 100 + p.number);
        }
    }
    EXPECT_EQ(numbers, (std::vector<double>{2, 2.5, 3, 4, 5, 5.5, 6, 7}));
    EXPECT_TRUE(std::isnan(points[1].value) && std::isnan(points[5].value)) << "no line across a break";

    points.clear();
    ring.draw_points(0, 0, 100, 4.0, &points);
    int breaks = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
        breaks += std::isnan(points[k].value);
        if (k > 0) {
            EXPECT_LE(points[k - 1].number, points[k].number) << "in order, as the plot takes them";
        }
    }
    EXPECT_EQ(breaks, 2) << "a break inside a column splits it";
}

TEST(StripStore, ManySamplesAColumnKeepEachColumnsLowestAndHighestInTheirOrder)
{
    StripStore ring(1, 1000);
    for (int n = 0; n < 1000; ++n)
        ring.push(Points{n == 503 ? 4095.0 : n == 508 ? -7.0 : 2000.0}, n);
    std::vector<StripPoint> points;
    ring.draw_points(0, 0, 1000, 10.0, &points);
    // Each level by the ends of its run; the peaks' column by its highest
    // and lowest as they came, both at the column's start.
    const std::vector<std::pair<double, double>> expected = {
        {0, 2000}, {490, 2000}, {500, 4095}, {500, -7}, {510, 2000}, {990, 2000}};
    std::vector<std::pair<double, double>> drawn;
    for (const StripPoint& p : points)
        drawn.emplace_back(p.number, p.value);
    EXPECT_EQ(drawn, expected);

    points.clear();
    ring.draw_points(0, 495, 1000, 10.0, &points);
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front().number, 490) << "columns start at fixed sample numbers, wherever the view starts";
    EXPECT_EQ(points.front().value, 2000);
}

}  // namespace
}  // namespace telvar
