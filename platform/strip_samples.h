// SPDX-License-Identifier: GPL-3.0-or-later
// What a strip chart draws: samples of every trace, numbered from 0 in the
// order taken so that a number keeps naming its sample while the oldest are
// dropped, each with the time it was taken, and the places where the record
// breaks. The program keeps them (scope/strip_store.h); the chart holds
// none of its own, it reads these and PlotStripChart appends to them.
#pragma once

#include <deque>
#include <span>
#include <vector>

namespace telvar {

struct StripPoint {
    double number;
    double value;  // NaN where the record breaks
};

class StripSamples {
public:
    virtual ~StripSamples() = default;

    virtual int traces() const = 0;
    // Another number of traces starts empty.
    virtual void set_traces(int traces) = 0;

    // One sample: a value for each trace, trace 1 first, and when it was
    // taken, in seconds since the epoch.
    virtual void push(std::span<const double> sample, double time) = 0;
    // The record breaks after the newest sample: the next is not joined to it.
    virtual void mark_gap() = 0;
    virtual void clear() = 0;

    // The numbers of the oldest sample kept and of the sample to come.
    virtual long long first() const = 0;
    virtual long long end() const = 0;
    // The oldest sample the screen of the newest samples may show: first(),
    // or before it where samples not taken read as 0.
    virtual long long screen_first() const = 0;
    // Samples [from, to) of a trace appended to `out`,
    // screen_first() <= from <= to <= end().
    virtual void values(int trace, long long from, long long to, std::vector<double>* out) const = 0;
    // A sample kept: first() <= number < end().
    virtual double time(long long number) const = 0;
    // The first sample kept taken at `time` or later; end() for none.
    virtual long long first_from(double time) const = 0;
    // The samples the record breaks before, first() <= number <= end(), in
    // ascending order.
    virtual const std::deque<long long>& gaps() const = 0;

    // The points that draw samples [from, to) of a trace, `per_column`
    // samples to a pixel column, limited to the samples kept: every sample
    // while there are at most two a column, else the smallest and the
    // largest of each column in the order they were taken, so that no peak
    // is lost, both numbered as the column's start; of a run of equal values
    // only its first and last. Where the record breaks, a point without a
    // value keeps the line from joining the samples on either side.
    virtual void draw_points(int trace, long long from, long long to, double per_column,
                             std::vector<StripPoint>* out) const = 0;
};

}  // namespace telvar
