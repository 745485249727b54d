// SPDX-License-Identifier: GPL-3.0-or-later
// The rectangles that fill a band of pixel columns, as a dense trace covers
// them: a raster painter fills a rectangle row by row, so a tall narrow
// column costs a fill per row, while a row running across many columns
// costs one. The band is cut whichever way needs fewer fills. Internal to
// the platform layer.
#pragma once

#include <QRect>
#include <QVector>

#include <span>

namespace telvar::detail {

// Rows [top, bottom) of the column starting at x, in device pixels.
struct BandColumn {
    int x;
    int top;
    int bottom;
};

// Each column `width` pixels wide; columns left to right, a column one
// pixel right of the previous one adjoining it. The rectangles cover exactly
// the pixels the columns cover.
QVector<QRect> band_rects(std::span<const BandColumn> columns, int width);

}  // namespace telvar::detail
