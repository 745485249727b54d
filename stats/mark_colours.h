// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the lines the histogram and the gauge study's run chart
// draw over the values: limits, and the reference.
#pragma once

namespace telvar {

inline constexpr int LIMIT_COLOUR = 0xC00000;
inline constexpr int REFERENCE_COLOUR = 0x606060;

}  // namespace telvar
