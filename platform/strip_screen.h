// SPDX-License-Identifier: GPL-3.0-or-later
// Which samples a strip chart shows on its screen of the newest points: the
// last points-per-screen of those it was handed. Fewer points per screen
// keep the newest; more show no older samples than the screen had until new
// ones come. Numbers only: the samples stay where they are kept. Internal
// to the platform layer.
#pragma once

#include "platform/strip_samples.h"

#include <limits>

namespace telvar::detail {

class StripScreen {
public:
    explicit StripScreen(int points) : points_(points) {}

    int points() const { return points_; }
    void set_points(int points, const StripSamples* samples);

    // The first sample on the screen; samples->end() when it is empty.
    long long first(const StripSamples& samples) const;

private:
    int points_;
    long long oldest_ = std::numeric_limits<long long>::min();  // none before this, whatever the points
};

}  // namespace telvar::detail
