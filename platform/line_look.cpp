// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/line_look.h"

#include <algorithm>

namespace telvar::detail {

namespace {

// Lengths in pixels, whatever the line's width: a dash as long on a fat line
// as on a thin one, a dot as long as the line is wide, so that it stays a dot.
constexpr qreal kDash = 5;
constexpr qreal kLongDash = 7;
constexpr qreal kSpace = 3;

}  // namespace

bool is_line_colour(int colour)
{
    return colour == VAL_TRANSPARENT || (colour & ~0xFFFFFF) == 0;
}

bool is_line_style(int style)
{
    return style == VAL_SOLID || style == VAL_DASH || style == VAL_DOT || style == VAL_DASH_DOT
           || style == VAL_DASH_DOT_DOT;
}

bool drawn(const LineLook& look)
{
    return look.visible && look.colour != VAL_TRANSPARENT;
}

QPen pen_of(const LineLook& look)
{
    QPen pen(QColor::fromRgb(static_cast<QRgb>(look.colour)), look.width);
    const qreal dot = std::max(2, look.width);
    QList<qreal> pixels;
    switch (look.style) {
    case VAL_DASH: pixels = {kDash, kSpace}; break;
    case VAL_DOT: pixels = {dot, dot}; break;
    case VAL_DASH_DOT: pixels = {kLongDash, kSpace, dot, kSpace}; break;
    case VAL_DASH_DOT_DOT: pixels = {kLongDash, kSpace, dot, kSpace, dot, kSpace}; break;
    default: return pen;
    }
    // The pen counts a pattern in its widths; square ends would reach into
    // the spaces by half a width and close them on a fat line.
    for (qreal& length : pixels)
        length /= std::max(1, look.width);
    pen.setDashPattern(pixels);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace telvar::detail
