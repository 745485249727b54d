// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's screen of the newest samples, the band a dense trace
// fills, and the arrays the plot functions read, without a widget.
#include "platform/column_band.h"
#include "platform/graph.h"
#include "platform/plot_values.h"
#include "platform/strip_screen.h"
#include "scope/strip_store.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <utility>
#include <vector>

namespace telvar::detail {
namespace {

using Points = std::vector<double>;

// The screen's samples of a trace (0-based), oldest first.
Points shown(const StripScreen& screen, const StripStore& samples, int trace)
{
    Points points;
    samples.values(trace, screen.first(samples), samples.end(), &points);
    return points;
}

// Whole samples, one value for each trace, trace 1 first.
void append(StripStore& samples, const Points& values)
{
    const auto width = static_cast<std::size_t>(samples.traces());
    for (std::size_t at = 0; at < values.size(); at += width)
        samples.push(std::span<const double>(values).subspan(at, width), 0);
}

TEST(StripScreen, KeepsTheNewestPointsOfEachTraceAcrossAppends)
{
    StripStore samples(2, 100);
    const StripScreen screen(3);
    append(samples, Points{1, 10, 2, 20});
    EXPECT_EQ(shown(screen, samples, 0), (Points{1, 2}));
    EXPECT_EQ(shown(screen, samples, 1), (Points{10, 20}));
    append(samples, Points{3, 30, 4, 40});
    EXPECT_EQ(shown(screen, samples, 0), (Points{2, 3, 4})) << "the oldest point scrolls off";
    EXPECT_EQ(shown(screen, samples, 1), (Points{20, 30, 40}));
    append(samples, Points{5, 50, 6, 60, 7, 70, 8, 80});
    EXPECT_EQ(shown(screen, samples, 0), (Points{6, 7, 8})) << "more samples than the screen holds";
    EXPECT_EQ(shown(screen, samples, 1), (Points{60, 70, 80}));
}

TEST(StripScreen, FewerPointsKeepTheNewestAndOtherTracesStartEmpty)
{
    StripStore samples(2, 100);
    StripScreen screen(4);
    append(samples, Points{1, 10, 2, 20, 3, 30, 4, 40});
    screen.set_points(2, &samples);
    EXPECT_EQ(shown(screen, samples, 0), (Points{3, 4}));
    screen.set_points(5, &samples);
    append(samples, Points{5, 50});
    EXPECT_EQ(shown(screen, samples, 1), (Points{30, 40, 50})) << "more points per screen lose nothing kept";

    samples.set_traces(2);
    EXPECT_EQ(shown(screen, samples, 0), (Points{3, 4, 5})) << "the same number of traces keeps the points";
    samples.set_traces(3);
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(shown(screen, samples, t).empty()) << t;
    append(samples, Points{7, 8, 9});
    EXPECT_EQ(shown(screen, samples, 2), (Points{9}));
    samples.clear();
    EXPECT_TRUE(shown(screen, samples, 2).empty());
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
