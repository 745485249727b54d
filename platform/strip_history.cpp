// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/strip_history.h"

#include <algorithm>
#include <cstddef>

namespace telvar::detail {

StripHistory::StripHistory(int traces, int points_per_screen)
    : points_per_screen_(points_per_screen), traces_(static_cast<std::size_t>(traces))
{
}

void StripHistory::set_traces(int traces)
{
    if (traces == this->traces())
        return;
    traces_.assign(static_cast<std::size_t>(traces), {});
}

void StripHistory::set_points_per_screen(int points)
{
    points_per_screen_ = points;
    for (std::vector<double>& trace : traces_)
        keep_newest(trace);
}

void StripHistory::append(std::span<const double> samples)
{
    const std::size_t width = traces_.size();
    const std::size_t count = samples.size() / width;
    // Samples that would scroll off the screen at once are not copied at all.
    const std::size_t first = count - std::min(count, static_cast<std::size_t>(points_per_screen_));
    for (std::size_t t = 0; t < width; ++t) {
        std::vector<double>& trace = traces_[t];
        for (std::size_t s = first; s < count; ++s)
            trace.push_back(samples[s * width + t]);
        keep_newest(trace);
    }
}

void StripHistory::clear()
{
    for (std::vector<double>& trace : traces_)
        trace.clear();
}

void StripHistory::keep_newest(std::vector<double>& points) const
{
    const auto keep = static_cast<std::size_t>(points_per_screen_);
    if (points.size() > keep)
        points.erase(points.begin(), points.end() - static_cast<std::ptrdiff_t>(keep));
}

}  // namespace telvar::detail
