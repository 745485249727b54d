// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/figures.h"

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
        figures.reason = "no samples";
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
        add_reason(figures.reason, "fewer than 2 samples");
    } else {
        figures.sigma = std::sqrt(moments.m2 / double(moments.n - 1));
        if (*figures.sigma == 0)
            add_reason(figures.reason, "no spread: every value is the same");
    }
    if (!(lower < upper))
        add_reason(figures.reason, "the lower limit is not below the upper");
    if (!figures.sigma || *figures.sigma == 0 || !(lower < upper))
        return figures;
    const double sigma = *figures.sigma;
    figures.cp = finite((upper - lower) / (6 * sigma));
    figures.cpk = finite(std::min(upper - moments.mean, moments.mean - lower) / (3 * sigma));
    if (!figures.cp || !figures.cpk) {
        figures.cp = figures.cpk = std::nullopt;
        add_reason(figures.reason, "the spread is too small for the limits");
    }
    return figures;
}

bool outside_limits(const LimitedValue& value, double lower, double upper)
{
    return value.value < lower || value.value > upper;
}

}  // namespace

// Two passes over a whole window, without a division per value: sums about
// the first value, then the squares about the mean with the correction of
// the two-pass algorithm, as exact as Welford's update and several times
// faster over the hour of samples the pane may look at.
Figures compute_figures(std::span<const LimitedValue> values)
{
    if (values.empty())
        return figures_of({}, 0, 0, false, 0);
    const LimitedValue& last = values.back();
    const double shift = values.front().value;
    const double n = double(values.size());
    Moments moments{long(values.size()), 0, 0, shift, shift};
    bool limits_changed = false;
    long outside = 0;
    double shifted_sum = 0;
    for (const LimitedValue& value : values) {
        shifted_sum += value.value - shift;
        moments.min = std::min(moments.min, value.value);
        moments.max = std::max(moments.max, value.value);
        limits_changed = limits_changed || value.lower != last.lower || value.upper != last.upper;
        outside += outside_limits(value, last.lower, last.upper);
    }
    moments.mean = shift + shifted_sum / n;
    double squares = 0;
    double deviations = 0;
    for (const LimitedValue& value : values) {
        const double deviation = value.value - moments.mean;
        squares += deviation * deviation;
        deviations += deviation;
    }
    moments.m2 = std::max(0.0, squares - deviations * deviations / n);
    return figures_of(moments, last.lower, last.upper, limits_changed, outside);
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
