// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's long history, which the operator looks back over: a ring
// of a fixed number of samples of every trace, the oldest dropped for the
// newest, each with the time it was taken, and the places where the record
// breaks. Samples are numbered from 0 in the order taken, so that a number
// keeps naming its sample while the ring moves on. Values are kept as float:
// exact for integers up to 2^24, which the controller's 16-bit words are, at
// half the memory of double. Internal to the platform layer.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <span>
#include <vector>

namespace telvar::detail {

class StripRing {
public:
    // Memory for traces x capacity values and capacity times, taken once.
    StripRing(int traces, std::size_t capacity);

    int traces() const { return traces_; }
    std::size_t capacity() const { return capacity_; }
    // Another number of traces starts empty.
    void set_traces(int traces);

    // One sample: a value for each trace, trace 1 first, and when it was
    // taken, in seconds since the epoch. A time before the newest sample's is
    // taken as the newest's, so that times never run backwards.
    void push(std::span<const double> sample, double time);
    // The record breaks after the newest sample: the next is not joined to it.
    void mark_gap();
    void clear();

    // The numbers of the oldest sample kept and of the sample to come.
    long long first() const { return end_ - static_cast<long long>(size_); }
    long long end() const { return end_; }
    std::size_t size() const { return size_; }
    // A sample kept: first() <= number < end().
    float at(int trace, long long number) const;
    double time(long long number) const { return times_[slot(number)]; }
    // The first sample kept taken at `time` or later; end() for none.
    long long first_from(double time) const;
    // The samples the record breaks before, first() <= number <= end(), in
    // ascending order.
    const std::deque<long long>& gaps() const { return gaps_; }

    struct Point {
        double number;
        double value;  // NaN where the record breaks
    };
    // The points that draw samples [from, to) of a trace, `per_column`
    // samples to a pixel column, limited to the samples kept: every sample
    // while there are at most two a column, else the smallest and the
    // largest of each column in the order they were taken, so that no peak
    // is lost, both numbered as the column's start; of a run of equal values
    // only its first and last. Where the record breaks, a point without a
    // value keeps the line from joining the samples on either side.
    void draw_points(int trace, long long from, long long to, double per_column, std::vector<Point>* out) const;

private:
    const float* row(int trace) const { return values_.get() + static_cast<std::size_t>(trace) * capacity_; }
    std::size_t slot(long long number) const { return static_cast<std::size_t>(number) % capacity_; }
    // draw_points for samples without a break among them.
    void draw_run(const float* values, long long from, long long to, double per_column,
                  std::vector<Point>* out) const;

    int traces_;
    std::size_t capacity_;
    std::unique_ptr<float[]> values_;  // trace by trace, each `capacity_` slots
    std::unique_ptr<double[]> times_;
    std::deque<long long> gaps_;
    long long end_ = 0;
    std::size_t size_ = 0;
};

}  // namespace telvar::detail
