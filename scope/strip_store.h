// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's history, which the operator looks back over: a ring of
// a fixed number of samples of every trace, the oldest dropped for the
// newest, each with the time it was taken, and the places where the record
// breaks. Values are kept as float: exact for integers up to 2^24, which the
// controller's 16-bit words are, at half the memory of double.
#pragma once

#include "platform/strip_samples.h"

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <span>
#include <vector>

namespace telvar {

// Looking back reaches an hour at 27 samples a second, a little more than a
// serial line at 19200 baud brings.
inline constexpr std::size_t STRIP_HOUR_SAMPLES = 3600 * 27;

class StripStore final : public StripSamples {
public:
    // Memory for traces x capacity values and capacity times, taken once.
    // Until a sample is dropped, `window` samples before the first read as
    // 0 on the screen, as a window of the newest samples that starts zeroed.
    StripStore(int traces, std::size_t capacity, int window = 0);

    int traces() const override { return traces_; }
    std::size_t capacity() const { return capacity_; }
    void set_traces(int traces) override;

    // A time before the newest sample's is taken as the newest's, so that
    // times never run backwards.
    void push(std::span<const double> sample, double time) override;
    void mark_gap() override;
    void clear() override;

    long long first() const override { return end_ - static_cast<long long>(size_); }
    long long end() const override { return end_; }
    long long screen_first() const override;
    std::size_t size() const { return size_; }
    void values(int trace, long long from, long long to, std::vector<double>* out) const override;
    // Samples [from, to) of those kept (a range beyond them is cut to
    // them), as they lie in the ring: one run, or two where it wraps;
    // traces from 0.
    std::array<std::span<const float>, 2> runs(int trace, long long from, long long to) const;
    double time(long long number) const override { return times_[slot(number)]; }
    long long first_from(double time) const override;
    const std::deque<long long>& gaps() const override { return gaps_; }

    void draw_points(int trace, long long from, long long to, double per_column,
                     std::vector<StripPoint>* out) const override;

private:
    const float* row(int trace) const { return values_.get() + static_cast<std::size_t>(trace) * capacity_; }
    std::size_t slot(long long number) const { return static_cast<std::size_t>(number) % capacity_; }
    // draw_points for samples without a break among them.
    void draw_run(const float* values, long long from, long long to, double per_column,
                  std::vector<StripPoint>* out) const;

    int traces_;
    std::size_t capacity_;
    std::unique_ptr<float[]> values_;  // trace by trace, each `capacity_` slots
    std::unique_ptr<double[]> times_;
    std::deque<long long> gaps_;
    int window_;
    long long end_ = 0;
    long long start_ = 0;  // the first sample taken since the store was emptied
    std::size_t size_ = 0;
};

}  // namespace telvar
