// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/line_look.h"

namespace telvar::detail {

bool is_line_colour(int colour)
{
    return colour == VAL_TRANSPARENT || (colour & ~0xFFFFFF) == 0;
}

bool is_line_style(int style)
{
    return style == VAL_SOLID || style == VAL_DASH || style == VAL_DOT;
}

bool drawn(const LineLook& look)
{
    return look.visible && look.colour != VAL_TRANSPARENT;
}

// Dashes and dots long enough to stay visible on a thin line.
QPen pen_of(const LineLook& look)
{
    QPen pen(QColor::fromRgb(static_cast<QRgb>(look.colour)), look.width);
    if (look.style == VAL_DASH)
        pen.setDashPattern({5, 3});
    else if (look.style == VAL_DOT)
        pen.setDashPattern({2, 2});
    return pen;
}

}  // namespace telvar::detail
