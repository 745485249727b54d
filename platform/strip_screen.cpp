// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/strip_screen.h"

#include <algorithm>

namespace telvar::detail {

void StripScreen::set_points(int points, const StripSamples* samples)
{
    if (samples)
        oldest_ = std::max(oldest_, samples->end() - points_);
    points_ = points;
}

long long StripScreen::first(const StripSamples& samples) const
{
    return std::max({samples.end() - points_, samples.screen_first(), oldest_});
}

}  // namespace telvar::detail
