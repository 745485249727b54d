// SPDX-License-Identifier: GPL-3.0-or-later
// What a strip chart shows: the last points of each of its traces, oldest
// first. Kept apart from the widget, which only draws it. Internal to the
// platform layer.
#pragma once

#include <span>
#include <vector>

namespace telvar::detail {

class StripHistory {
public:
    StripHistory(int traces, int points_per_screen);

    int traces() const { return static_cast<int>(traces_.size()); }
    int points_per_screen() const { return points_per_screen_; }

    // Another number of traces starts empty: the old points would no longer
    // line up. Fewer points per screen keep the newest.
    void set_traces(int traces);
    void set_points_per_screen(int points);

    // Whole samples, one value for each trace, trace 1 first.
    void append(std::span<const double> samples);
    void clear();

    // The points of a trace (0-based), oldest first; at most points per screen.
    const std::vector<double>& points(int trace) const { return traces_[trace]; }

private:
    void keep_newest(std::vector<double>& points) const;

    int points_per_screen_;
    std::vector<std::vector<double>> traces_;
};

}  // namespace telvar::detail
