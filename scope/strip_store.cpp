// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/strip_store.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace telvar {

namespace {

// The smallest and the largest of samples taken in order, and where each
// first came.
struct Extremes {
    float low;
    float high = low;
    std::ptrdiff_t low_at = 0;
    std::ptrdiff_t high_at = 0;

    // Samples that came `offset` samples after the first.
    void take(const float* begin, const float* end, std::ptrdiff_t offset)
    {
        for (const float* value = begin; value != end; ++value) {
            if (*value < low) {
                low = *value;
                low_at = offset + (value - begin);
            } else if (*value > high) {
                high = *value;
                high_at = offset + (value - begin);
            }
        }
    }
};

long long column_of_sample(long long number, double per_column)
{
    return static_cast<long long>(std::floor(static_cast<double>(number) / per_column));
}

// Columns start at fixed sample numbers, so that panning moves them whole
// rather than sharing the samples out anew.
long long column_start(long long column, double per_column)
{
    return static_cast<long long>(std::floor(static_cast<double>(column) * per_column));
}

}  // namespace

StripStore::StripStore(int traces, std::size_t capacity, int window)
    : traces_(traces), capacity_(capacity),
      // Left unwritten, so that the pages become resident only as samples come.
      values_(std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(traces) * capacity)),
      times_(std::make_unique_for_overwrite<double[]>(capacity)), window_(window)
{
}

void StripStore::set_traces(int traces)
{
    if (traces == traces_)
        return;
    // Numbers go on: a number once given never names another sample.
    const long long end = end_;
    *this = StripStore(traces, capacity_, window_);
    end_ = start_ = end;
}

void StripStore::push(std::span<const double> sample, double time)
{
    const std::size_t at = slot(end_);
    for (int t = 0; t < traces_; ++t)
        values_[static_cast<std::size_t>(t) * capacity_ + at] = static_cast<float>(sample[static_cast<std::size_t>(t)]);
    times_[at] = size_ > 0 ? std::max(time, this->time(end_ - 1)) : time;
    ++end_;
    size_ = std::min(size_ + 1, capacity_);
    while (!gaps_.empty() && gaps_.front() < first())
        gaps_.pop_front();
}

void StripStore::mark_gap()
{
    if (gaps_.empty() || gaps_.back() != end_)
        gaps_.push_back(end_);
}

void StripStore::clear()
{
    size_ = 0;
    start_ = end_;
    gaps_.clear();
}

long long StripStore::screen_first() const
{
    return size_ > 0 && first() == start_ ? start_ - window_ : first();
}

void StripStore::values(int trace, long long from, long long to, std::vector<double>* out) const
{
    for (; from < std::min(to, first()); ++from)
        out->push_back(0);
    if (from >= to)
        return;
    // One run of the ring or, where it wraps, two.
    const float* values = row(trace);
    const std::size_t start = slot(from);
    const auto count = static_cast<std::size_t>(to - from);
    const std::size_t first_run = std::min(count, capacity_ - start);
    // Room for both runs at once: a window of an hour is megabytes.
    out->reserve(out->size() + count);
    out->insert(out->end(), values + start, values + start + first_run);
    out->insert(out->end(), values, values + (count - first_run));
}

std::array<std::span<const float>, 2> StripStore::runs(int trace, long long from, long long to) const
{
    from = std::max(from, first());
    to = std::min(to, end_);
    if (from >= to)
        return {};
    const float* values = row(trace);
    const std::size_t start = slot(from);
    const auto count = static_cast<std::size_t>(to - from);
    const std::size_t first_run = std::min(count, capacity_ - start);
    return {std::span<const float>(values + start, first_run), std::span<const float>(values, count - first_run)};
}

long long StripStore::first_from(double time) const
{
    long long low = first();
    long long high = end_;
    while (low < high) {
        const long long middle = low + (high - low) / 2;
        if (this->time(middle) < time)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void StripStore::draw_points(int trace, long long from, long long to, double per_column,
                             std::vector<StripPoint>* out) const
{
    from = std::max(from, first());
    to = std::min(to, end_);
    if (from >= to)
        return;
    const float* values = row(trace);
    auto gap = std::upper_bound(gaps_.begin(), gaps_.end(), from);
    for (; gap != gaps_.end() && *gap < to; ++gap) {
        draw_run(values, from, *gap, per_column, out);
        // Between the runs' points: the next run's column starts where its first point goes.
        const double at = per_column <= 2 ? static_cast<double>(*gap) - 0.5
                                          : static_cast<double>(column_of_sample(*gap, per_column)) * per_column;
        out->push_back({at, std::numeric_limits<double>::quiet_NaN()});
        from = *gap;
    }
    draw_run(values, from, to, per_column, out);
}

void StripStore::draw_run(const float* values, long long from, long long to, double per_column,
                         std::vector<StripPoint>* out) const
{
    std::size_t at = slot(from);
    const auto next = [this, &at] {
        if (++at == capacity_)
            at = 0;
    };
    // A run of one value needs its ends only: a level that holds for an
    // hour is one line, not one a column, which a dashed pen draws slowly.
    const std::size_t mine = out->size();
    const auto add = [out, mine](StripPoint point) {
        const std::size_t size = out->size();
        if (size >= mine + 2 && (*out)[size - 1].value == point.value && (*out)[size - 2].value == point.value)
            out->back() = point;
        else
            out->push_back(point);
    };
    if (per_column <= 2) {
        for (long long n = from; n < to; ++n, next())
            add({static_cast<double>(n), values[at]});
        return;
    }
    for (long long column = column_of_sample(from, per_column);; ++column) {
        const long long begin = std::max(from, column_start(column, per_column));
        const long long stop = std::min(to, column_start(column + 1, per_column));
        if (begin >= to)
            break;
        if (begin >= stop)
            continue;
        // The column's samples lie in one run of the ring or, where it wraps, two.
        const std::size_t start = slot(begin);
        const auto count = static_cast<std::size_t>(stop - begin);
        const std::size_t first_run = std::min(count, capacity_ - start);
        Extremes column_extremes{values[start]};
        column_extremes.take(values + start, values + start + first_run, 0);
        column_extremes.take(values, values + (count - first_run), static_cast<std::ptrdiff_t>(first_run));
        // Both at the column's start, so that each column's points fall on one pixel column.
        const double x = static_cast<double>(column) * per_column;
        const auto& [low, high, low_at, high_at] = column_extremes;
        add({x, low_at <= high_at ? low : high});
        if (low_at != high_at)
            add({x, low_at <= high_at ? high : low});
    }
}

}  // namespace telvar
