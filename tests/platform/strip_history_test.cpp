// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's histories (the screen and the ring looked back over),
// the band a dense trace fills, and the arrays the plot functions read,
// without a widget.
#include "platform/column_band.h"
#include "platform/graph.h"
#include "platform/plot_values.h"
#include "platform/strip_history.h"
#include "platform/strip_ring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <set>
#include <utility>
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

TEST(StripRing, KeepsTheNewestSamplesInItsFixedRoomAndNumbersThemOn)
{
    StripRing ring(2, 5);
    for (int n = 0; n < 12; ++n)
        ring.push(Points{double(n), 100.0 + n}, 1000.0 + n);
    EXPECT_EQ(ring.size(), 5u) << "bounded: the oldest were dropped";
    EXPECT_EQ(ring.first(), 7);
    EXPECT_EQ(ring.end(), 12);
    for (long long n = 7; n < 12; ++n) {
        EXPECT_EQ(ring.at(0, n), n);
        EXPECT_EQ(ring.at(1, n), 100 + n);
    }
    std::vector<StripRing::Point> points;
    ring.draw_points(1, 0, 100, 1.0, &points);
    ASSERT_EQ(points.size(), 5u) << "few samples: all of them, and only those kept";
    EXPECT_EQ(points.front().number, 7);
    EXPECT_EQ(points.back().value, 111);

    ring.set_traces(2);
    EXPECT_EQ(ring.size(), 5u) << "the same number of traces keeps the samples";
    ring.set_traces(3);
    EXPECT_EQ(ring.size(), 0u);
    ring.push(Points{1, 2, 3}, 0);
    EXPECT_EQ(ring.at(2, ring.first()), 3);
}

TEST(StripRing, SamplesKeepTheirTimesAndTheLineBreaksWhereTheRecordDoes)
{
    StripRing ring(1, 6);
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

    std::vector<StripRing::Point> points;
    ring.draw_points(0, 0, 100, 1.0, &points);
    std::vector<double> numbers;
    for (const StripRing::Point& p : points) {
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

TEST(StripRing, ManySamplesAColumnKeepEachColumnsLowestAndHighestInTheirOrder)
{
    StripRing ring(1, 1000);
    for (int n = 0; n < 1000; ++n)
        ring.push(Points{n == 503 ? 4095.0 : n == 508 ? -7.0 : 2000.0}, n);
    std::vector<StripRing::Point> points;
    ring.draw_points(0, 0, 1000, 10.0, &points);
    // Each level by the ends of its run; the peaks' column by its highest
    // and lowest as they came, both at the column's start.
    const std::vector<std::pair<double, double>> expected = {
        {0, 2000}, {490, 2000}, {500, 4095}, {500, -7}, {510, 2000}, {990, 2000}};
    std::vector<std::pair<double, double>> drawn;
    for (const StripRing::Point& p : points)
        drawn.emplace_back(p.number, p.value);
    EXPECT_EQ(drawn, expected);

    points.clear();
    ring.draw_points(0, 495, 1000, 10.0, &points);
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front().number, 490) << "columns start at fixed sample numbers, wherever the view starts";
    EXPECT_EQ(points.front().value, 2000);
}

TEST(ColumnBand, RectanglesCoverExactlyTheColumnsPixelsInFewerFills)
{
    using Pixels = std::set<std::pair<int, int>>;
    const auto covered = [](const auto& boxes) {
        Pixels pixels;
        for (const QRect& r : boxes)
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    pixels.emplace(x, y);
        return pixels;
    };
    const auto fills = [](const auto& boxes) {
        long long rows = 0;
        for (const QRect& r : boxes)
            rows += r.height();
        return rows;
    };
    // Tall columns whose ends wander, with a gap: cut into rows. Short
    // columns that hardly overlap: left as columns. Pens of 1 to 3 pixels.
    std::vector<BandColumn> tall;
    for (int x = 0; x < 60; ++x)
        tall.push_back({x < 40 ? x : x + 3, 10 + (x % 3) * 5, 200 - (x % 4) * 7});
    const std::vector<BandColumn> short_ones = {{0, 10, 14}, {1, 14, 18}, {2, 16, 20}, {3, 2, 6}};
    for (const int width : {1, 2, 3}) {
        for (const std::vector<BandColumn>& band : {tall, short_ones}) {
            std::vector<QRect> columns;
            for (const BandColumn& c : band)
                columns.emplace_back(c.x, c.top, width, c.bottom - c.top);
            const QVector<QRect> rects = band_rects(band, width);
            EXPECT_EQ(covered(rects), covered(columns)) << width << " " << band.size();
            EXPECT_LE(fills(rects), fills(columns)) << width << " " << band.size();
        }
        EXPECT_LT(fills(band_rects(tall, width)) * 10, 60 * 170) << "a row across the band is one fill";
    }
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
