// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/figures.h"

#include "platform/translation.h"

#include <algorithm>
#include <cmath>

namespace telvar {

namespace {

// What both ways of computing keep of the values.
struct Moments {
    long n = 0;
    double mean = 0;
    double m2 = 0;
    double min = 0;
    double max = 0;
};

// Welford's update: the sum of squares is kept about the running mean, so
// that values far from zero lose none of their spread to rounding.
void add_value(Moments& moments, double value)
{
    ++moments.n;
    const double delta = value - moments.mean;
    moments.mean += delta / double(moments.n);
    moments.m2 += delta * (value - moments.mean);
    moments.min = moments.n == 1 ? value : std::min(moments.min, value);
    moments.max = moments.n == 1 ? value : std::max(moments.max, value);
}

// The causes stay English: the CSV file, the JSON and the command line
// write them so; the window shows them through shown_reason().
void add_reason(std::string& reason, const char* why)
{
    if (reason.find(why) != std::string::npos)
        return;
    reason += reason.empty() ? "" : "; ";
    reason += why;
}

// A quotient that overflowed (a spread of a few subnormals against limits
// near the largest double) is no figure either.
std::optional<double> finite(double value)
{
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

Figures figures_of(const Moments& moments, double lower, double upper, bool limits_changed, long outside)
{
    Figures figures;
    figures.n = moments.n;
    figures.outside = outside;
    if (moments.n == 0) {
        figures.reason = TR_NOOP("Statistics", "no samples");
        return figures;
    }
    // Values near the largest double add up beyond it: no mean, spread or range then.
    if (!std::isfinite(moments.mean) || !std::isfinite(moments.m2) || !std::isfinite(moments.max - moments.min)) {
        figures.min = moments.min;
        figures.max = moments.max;
        figures.lower = lower;
        figures.upper = upper;
        figures.limits_changed = limits_changed;
        figures.outside_percent = 100.0 * double(outside) / double(moments.n);
        add_reason(figures.reason, TR_NOOP("Statistics", "the values are too large to add up"));
        return figures;
    }
    figures.mean = moments.mean;
    figures.min = moments.min;
    figures.max = moments.max;
    figures.range = moments.max - moments.min;
    figures.lower = lower;
    figures.upper = upper;
    figures.limits_changed = limits_changed;
    figures.outside_percent = 100.0 * double(outside) / double(moments.n);
    if (moments.n < 2) {
        add_reason(figures.reason, TR_NOOP("Statistics", "fewer than 2 samples"));
    } else {
        figures.sigma = std::sqrt(moments.m2 / double(moments.n - 1));
        if (*figures.sigma == 0)
            add_reason(figures.reason, TR_NOOP("Statistics", "no spread: every value is the same"));
    }
    if (!(lower < upper))
        add_reason(figures.reason, TR_NOOP("Statistics", "the lower limit is not below the upper"));
    if (!figures.sigma || *figures.sigma == 0 || !(lower < upper))
        return figures;
    const double sigma = *figures.sigma;
    figures.cp = finite((upper - lower) / (6 * sigma));
    figures.cpk = finite(std::min(upper - moments.mean, moments.mean - lower) / (3 * sigma));
    if (!figures.cp || !figures.cpk) {
        figures.cp = figures.cpk = std::nullopt;
        add_reason(figures.reason, TR_NOOP("Statistics", "the spread is too small for the limits"));
    }
    return figures;
}

bool outside_limits(const LimitedValue& value, double lower, double upper)
{
    return value.value < lower || value.value > upper;
}

// Two passes over a whole window, without a division per value: sums about
// the first value, then the squares about the mean with the correction of
// the two-pass algorithm, as exact as Welford's update and several times
// faster over the hour of samples the pane may look at. `each(f)` calls
// f(value, lower, upper) for every value in order.
template <typename Each>
Figures figures_in_two_passes(std::size_t count, double first, double last_lower, double last_upper, Each each)
{
    if (count == 0)
        return figures_of({}, 0, 0, false, 0);
    const double n = double(count);
    Moments moments{long(count), 0, 0, first, first};
    bool limits_changed = false;
    long outside = 0;
    double shifted_sum = 0;
    each([&](double value, double lower, double upper) {
        shifted_sum += value - first;
        moments.min = std::min(moments.min, value);
        moments.max = std::max(moments.max, value);
        limits_changed = limits_changed || lower != last_lower || upper != last_upper;
        outside += value < last_lower || value > last_upper;
    });
    moments.mean = first + shifted_sum / n;
    double squares = 0;
    double deviations = 0;
    each([&](double value, double, double) {
        const double deviation = value - moments.mean;
        squares += deviation * deviation;
        deviations += deviation;
    });
    moments.m2 = std::max(0.0, squares - deviations * deviations / n);
    return figures_of(moments, last_lower, last_upper, limits_changed, outside);
}

}  // namespace

Figures compute_figures(std::span<const LimitedValue> values)
{
    if (values.empty())
        return figures_of({}, 0, 0, false, 0);
    return figures_in_two_passes(values.size(), values.front().value, values.back().lower, values.back().upper,
                                 [&](auto&& f) {
                                     for (const LimitedValue& v : values)
                                         f(v.value, v.lower, v.upper);
                                 });
}

Figures compute_figures(std::span<const LimitedRun> runs)
{
    std::size_t count = 0;
    const LimitedRun* first = nullptr;
    const LimitedRun* last = nullptr;
    for (const LimitedRun& run : runs)
        if (!run.value.empty()) {
            count += run.value.size();
            first = first ? first : &run;
            last = &run;
        }
    if (count == 0)
        return figures_of({}, 0, 0, false, 0);
    return figures_in_two_passes(count, first->value.front(), last->lower.back(), last->upper.back(), [&](auto&& f) {
        for (const LimitedRun& run : runs)
            for (std::size_t k = 0; k < run.value.size(); ++k)
                f(run.value[k], run.lower[k], run.upper[k]);
    });
}

void RunningFigures::add(const LimitedValue& value)
{
    Moments moments{n_, mean_, m2_, min_, max_};
    add_value(moments, value.value);
    limits_changed_ = limits_changed_ || (n_ > 0 && (value.lower != lower_ || value.upper != upper_));
    outside_ += outside_limits(value, value.lower, value.upper);
    n_ = moments.n;
    mean_ = moments.mean;
    m2_ = moments.m2;
    min_ = moments.min;
    max_ = moments.max;
    lower_ = value.lower;
    upper_ = value.upper;
}

void RunningFigures::reset()
{
    *this = RunningFigures();
}

Figures RunningFigures::figures() const
{
    return figures_of({n_, mean_, m2_, min_, max_}, lower_, upper_, limits_changed_, outside_);
}

}  // namespace telvar
