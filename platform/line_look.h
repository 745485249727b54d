// SPDX-License-Identifier: GPL-3.0-or-later
// How a trace of the strip chart or a plot of the graph is drawn. Internal to
// the platform layer.
#pragma once

#include "platform/graph.h"

#include <QPen>

namespace telvar::detail {

inline constexpr int kThinLine = 1;
inline constexpr int kFatLine = 2;

struct LineLook {
    int colour = 0;  // 0xRRGGBB, or VAL_TRANSPARENT
    int style = VAL_SOLID;
    int width = kThinLine;
    bool visible = true;
};

bool is_line_colour(int colour);
bool is_line_style(int style);
// Whether the line shows at all.
bool drawn(const LineLook& look);
QPen pen_of(const LineLook& look);

}  // namespace telvar::detail
