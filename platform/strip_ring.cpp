// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/strip_ring.h"

#include <algorithm>
#include <cmath>

namespace telvar::detail {

StripRing::StripRing(int traces, std::size_t capacity)
    : traces_(traces), capacity_(capacity),
      // Left unwritten, so that the pages become resident only as samples come.
      values_(std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(traces) * capacity))
{
}

void StripRing::set_traces(int traces)
{
    if (traces != traces_)
        *this = StripRing(traces, capacity_);
}

void StripRing::push(std::span<const double> sample)
{
    const std::size_t at = slot(end_);
    for (int t = 0; t < traces_; ++t)
        values_[static_cast<std::size_t>(t) * capacity_ + at] = static_cast<float>(sample[static_cast<std::size_t>(t)]);
    ++end_;
    size_ = std::min(size_ + 1, capacity_);
}

void StripRing::clear()
{
    size_ = 0;
}

float StripRing::at(int trace, long long number) const
{
    return row(trace)[slot(number)];
}

void StripRing::draw_points(int trace, long long from, long long to, double per_column, std::vector<Point>* out) const
{
    from = std::max(from, first());
    to = std::min(to, end_);
    if (from >= to)
        return;
    const float* values = row(trace);
    std::size_t at = slot(from);
    const auto next = [this, &at] {
        if (++at == capacity_)
            at = 0;
    };
    // A run of one value needs its ends only: a level that holds for an
    // hour is one line, not one a column, which a dashed pen draws slowly.
    const std::size_t mine = out->size();
    const auto add = [out, mine](Point point) {
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
    // Columns start at fixed sample numbers, so that panning moves them
    // whole rather than sharing the samples out anew.
    const auto start_of = [per_column](long long column) {
        return static_cast<long long>(std::floor(static_cast<double>(column) * per_column));
    };
    for (auto column = static_cast<long long>(std::floor(static_cast<double>(from) / per_column));; ++column) {
        const long long begin = std::max(from, start_of(column));
        const long long stop = std::min(to, start_of(column + 1));
        if (begin >= to)
            break;
        if (begin >= stop)
            continue;
        long long low = begin;
        long long high = begin;
        float low_value = values[at];
        float high_value = low_value;
        next();
        for (long long n = begin + 1; n < stop; ++n, next()) {
            const float value = values[at];
            if (value < low_value) {
                low_value = value;
                low = n;
            } else if (value > high_value) {
                high_value = value;
                high = n;
            }
        }
        // Both at the column's start, so that each column's points fall on one pixel column.
        const double x = static_cast<double>(column) * per_column;
        add({x, low <= high ? low_value : high_value});
        if (low != high)
            add({x, low <= high ? high_value : low_value});
    }
}

}  // namespace telvar::detail
