// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics' figures at their edges, the same from a window and one
// value at a time; a long window far from zero; the histogram's bins and
// shares; the gauge study.
#include "stats/figures.h"
#include "stats/gauge_study.h"
#include "stats/histogram.h"

#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace telvar {
namespace {

std::vector<LimitedValue> within(std::vector<double> values, double lower, double upper)
{
    std::vector<LimitedValue> limited;
    for (const double value : values)
        limited.push_back({value, lower, upper});
    return limited;
}

void expect_near(const std::optional<double>& got, const std::optional<double>& want, const char* name)
{
    ASSERT_EQ(got.has_value(), want.has_value()) << name;
    if (want) {
        EXPECT_NEAR(*got, *want, std::abs(*want) * 1e-12) << name;
    }
}

void expect_figures(const Figures& got, const Figures& want)
{
    EXPECT_EQ(got.n, want.n);
    expect_near(got.mean, want.mean, "mean");
    expect_near(got.sigma, want.sigma, "sigma");
    expect_near(got.min, want.min, "min");
    expect_near(got.max, want.max, "max");
    expect_near(got.range, want.range, "range");
    expect_near(got.lower, want.lower, "lower");
    expect_near(got.upper, want.upper, "upper");
    EXPECT_EQ(got.limits_changed, want.limits_changed);
    expect_near(got.cp, want.cp, "cp");
    expect_near(got.cpk, want.cpk, "cpk");
    EXPECT_EQ(got.outside, want.outside);
    expect_near(got.outside_percent, want.outside_percent, "outside_percent");
    EXPECT_EQ(got.reason, want.reason);
}

TEST(Figures, EachEdgeHasItsFiguresOrTheReasonWhyNot)
{
    const double sigma4 = std::sqrt(5.0 / 3);  // 1, 2, 3, 4: squares 2.25 + 0.25 + 0.25 + 2.25 about 2.5
    const std::vector<LimitedValue> changing = {{1, 0, 10}, {2, 0, 10}, {3, 2, 9}, {4, 2, 9}};
    const struct {
        const char* name;
        std::vector<LimitedValue> values;
        Figures want;
        long outside_one_at_a_time;  // each value against its own limits
    } cases[] = {
        {"no value", {}, {0, {}, {}, {}, {}, {}, {}, {}, false, {}, {}, 0, {}, "no samples"}, 0},
        {"one value", within({5}, 0, 10),
         {1, 5, {}, 5, 5, 0, 0, 10, false, {}, {}, 0, 0, "fewer than 2 samples"}, 0},
        {"one value, limits the wrong way round", within({5}, 10, 0),
         {1, 5, {}, 5, 5, 0, 10, 0, false, {}, {}, 1, 100,
          "fewer than 2 samples; the lower limit is not below the upper"}, 1},
        {"the same value throughout", within({7, 7, 7}, 0, 10),
         {3, 7, 0, 7, 7, 0, 0, 10, false, {}, {}, 0, 0, "no spread: every value is the same"}, 0},
        {"equal limits", within({1, 2, 3, 4}, 3, 3),
         {4, 2.5, sigma4, 1, 4, 3, 3, 3, false, {}, {}, 3, 75, "the lower limit is not below the upper"}, 3},
        {"limits the wrong way round", within({1, 2, 3, 4}, 9, 2),
         {4, 2.5, sigma4, 1, 4, 3, 9, 2, false, {}, {}, 4, 100, "the lower limit is not below the upper"}, 4},
        {"outside on both sides", within({1, 2, 3, 4}, 1.5, 3.5),
         {4, 2.5, sigma4, 1, 4, 3, 1.5, 3.5, false, 2 / (6 * sigma4), 1 / (3 * sigma4), 2, 50, ""}, 2},
        {"on the limits is inside", within({1, 2, 3, 4}, 1, 4),
         {4, 2.5, sigma4, 1, 4, 3, 1, 4, false, 3 / (6 * sigma4), 1.5 / (3 * sigma4), 0, 0, ""}, 0},
        {"off centre", within({1, 2, 3, 4}, 0, 12),
         {4, 2.5, sigma4, 1, 4, 3, 0, 12, false, 12 / (6 * sigma4), 2.5 / (3 * sigma4), 0, 0, ""}, 0},
        {"the last limits, changed in the window", changing,
         {4, 2.5, sigma4, 1, 4, 3, 2, 9, true, 7 / (6 * sigma4), 0.5 / (3 * sigma4), 1, 25, ""}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expect_figures(compute_figures(c.values), c.want);
        // As the chart's history keeps them: floats in two runs, split in the middle.
        std::vector<float> value, lower, upper;
        for (const LimitedValue& v : c.values) {
            value.push_back(float(v.value));
            lower.push_back(float(v.lower));
            upper.push_back(float(v.upper));
        }
        const std::size_t half = value.size() / 2;
        const auto run = [&](std::size_t from, std::size_t to) {
            return LimitedRun{std::span<const float>(value).subspan(from, to - from),
                              std::span<const float>(lower).subspan(from, to - from),
                              std::span<const float>(upper).subspan(from, to - from)};
        };
        const LimitedRun runs[] = {run(0, half), run(half, value.size())};
        expect_figures(compute_figures(std::span<const LimitedRun>(runs)), c.want);
        RunningFigures running;
        running.add({1e6, 0, 1});
        running.reset();
        for (const LimitedValue& value : c.values)
            running.add(value);
        Figures one_at_a_time = c.want;
        one_at_a_time.outside = c.outside_one_at_a_time;
        if (c.want.outside_percent)
            one_at_a_time.outside_percent = 100.0 * double(c.outside_one_at_a_time) / double(c.want.n);
        expect_figures(running.figures(), one_at_a_time);
    }
}

// A spread of a few subnormals against limits near the largest double:
// the quotients overflow, and have no value rather than inf.
TEST(Figures, AQuotientBeyondTheDoublesHasNoValue)
{
    const Figures huge = compute_figures(within({1e308, -1e308}, 0, 1));
    EXPECT_FALSE(huge.range);
    EXPECT_FALSE(huge.mean);
    EXPECT_NE(huge.reason.find("too large"), std::string::npos) << huge.reason;
    const Figures figures = compute_figures(within({0, 1e-161}, -1e300, 1e300));
    ASSERT_TRUE(figures.sigma);
    EXPECT_GT(*figures.sigma, 0);
    EXPECT_FALSE(figures.cp);
    EXPECT_FALSE(figures.cpk);
    EXPECT_EQ(figures.reason, "the spread is too small for the limits");
}

// Values 1e9 ± 0.5 for a million values: a sum of squares (about 1e24)
// keeps no digit of a spread of 0.5, the running mean keeps all.
TEST(Figures, StayExactOverAMillionValuesFarFromZero)
{
    constexpr long N = 1000000;
    constexpr double OFFSET = 1e9;
    std::vector<LimitedValue> values;
    values.reserve(N);
    RunningFigures running;
    for (long k = 0; k < N; ++k) {
        values.push_back({OFFSET + (k % 2 ? 0.5 : -0.5), OFFSET - 3, OFFSET + 3});
        running.add(values.back());
    }
    const double sigma = 0.5 * std::sqrt(double(N) / double(N - 1));
    for (const Figures& figures : {compute_figures(values), running.figures()}) {
        EXPECT_NEAR(*figures.mean, OFFSET, OFFSET * 1e-15);
        EXPECT_NEAR(*figures.sigma, sigma, sigma * 1e-9);
        EXPECT_NEAR(*figures.cp, 6 / (6 * sigma), 1e-9);
        EXPECT_NEAR(*figures.cpk, 3 / (3 * sigma), 1e-6);
        EXPECT_EQ(*figures.range, 1);
    }
}

TEST(Histogram, CountsEachValueIntoItsBinAndTheSharesBeyondTheLimits)
{
    // 0..99 against limits 10 and 89.5: the default range reaches from 0 to
    // one bin above 99, so that 99 is in the last of the 32 bins.
    std::vector<LimitedValue> values;
    for (int k = 0; k < 100; ++k)
        values.push_back({double(k), 10, 89.5});
    const HistogramRange range = histogram_range(values);
    EXPECT_EQ(range.from, 0);
    EXPECT_DOUBLE_EQ(range.to, 99 + 99.0 / 31);
    const Histogram whole = compute_histogram(values, range);
    ASSERT_EQ(whole.counts.size(), std::size_t(HISTOGRAM_BINS));
    EXPECT_EQ(std::accumulate(whole.counts.begin(), whole.counts.end(), 0L), 100);
    EXPECT_EQ(whole.counts.front(), 4) << "0, 1, 2, 3 below the width 3.19";
    EXPECT_EQ(whole.counts.back(), 1) << "99 alone";
    EXPECT_DOUBLE_EQ(*whole.share_below, 0.10);
    EXPECT_DOUBLE_EQ(*whole.share_above, 0.10);
    // The same from the history's floats, the range from the figures.
    std::vector<float> value, lower(100, 10), upper(100, 89.5);
    for (const LimitedValue& v : values)
        value.push_back(float(v.value));
    const LimitedRun runs[] = {{value, lower, upper}};
    const Histogram kept = histogram_of_runs(runs, compute_figures(std::span<const LimitedRun>(runs)));
    EXPECT_EQ(kept.counts, whole.counts);
    EXPECT_DOUBLE_EQ(kept.range.to, range.to);
    EXPECT_EQ(kept.share_above, whole.share_above);

    // The range the chart shows: [20, 52) in 32 bins of 1, 52 left out.
    const Histogram shown = compute_histogram(values, {20, 52});
    EXPECT_EQ(std::accumulate(shown.counts.begin(), shown.counts.end(), 0L), 32);
    EXPECT_EQ(shown.counts[0], 1);
    EXPECT_DOUBLE_EQ(*shown.share_below, 0.10) << "shares are of all values, shown or not";

    // Limits beyond the values widen the default range to show their lines.
    const HistogramRange wide = histogram_range(within({5, 6}, -10, 40));
    EXPECT_EQ(wide.from, -10);
    EXPECT_GT(wide.to, 40);
    const Histogram none = compute_histogram({}, {0, 1});
    EXPECT_FALSE(none.share_below);
    EXPECT_EQ(std::accumulate(none.counts.begin(), none.counts.end(), 0L), 0);
    const Histogram backwards = compute_histogram(values, {50, 10});
    EXPECT_EQ(std::accumulate(backwards.counts.begin(), backwards.counts.end(), 0L), 0);
}

TEST(GaugeStudy, CgAndCgkOrTheReasonWhyNot)
{
    // 50 readings 99.9, 100.1 in turn: mean 100, s = 0.1 * sqrt(50 / 49).
    std::vector<double> readings;
    for (int k = 0; k < 50; ++k)
        readings.push_back(k % 2 ? 100.1 : 99.9);
    const double s = 0.1 * std::sqrt(50.0 / 49);
    const struct {
        const char* name;
        std::vector<double> readings;
        double reference;
        double tolerance;
        std::optional<double> cg;
        std::optional<double> cgk;
        bool capable;
        const char* reason;
    } cases[] = {
        {"capable", readings, 100.05, 5, 1 / (6 * s), (0.5 - 0.05) / (3 * s), true, ""},
        {"biased", readings, 100.3, 5, 1 / (6 * s), (0.5 - 0.3) / (3 * s), false, ""},
        {"too wide", readings, 100, 3, 0.6 / (6 * s), 0.3 / (3 * s), false, ""},
        {"one reading", {100}, 100, 5, {}, {}, false, "fewer than 2 readings"},
        {"no spread", {100, 100, 100}, 100, 5, {}, {}, false, "no spread: every reading is the same"},
        {"no tolerance", readings, 100, 0, {}, {}, false, "the tolerance is not above 0"},
        {"a negative tolerance, one reading", {100}, 100, -1, {}, {}, false,
         "fewer than 2 readings; the tolerance is not above 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const GaugeStudy study = compute_gauge_study(c.readings, c.reference, c.tolerance);
        expect_near(study.cg, c.cg, "cg");
        expect_near(study.cgk, c.cgk, "cgk");
        EXPECT_EQ(study.capable, c.capable);
        EXPECT_EQ(study.reason, c.reason);
    }
    const GaugeStudy study = compute_gauge_study(readings, 100, 5);
    EXPECT_NEAR(*study.mean, 100, 1e-12);
    EXPECT_NEAR(*study.s, s, s * 1e-12);
}

}  // namespace
}  // namespace telvar
