// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and line styles, as numbers: tables of what a panel or a chart
// shows can name them without the panels themselves.
#pragma once

namespace telvar {

// Colours, 0xRRGGBB.
inline constexpr int VAL_RED = 0xFF0000;
inline constexpr int VAL_GREEN = 0x00FF00;
inline constexpr int VAL_BLUE = 0x0000FF;
inline constexpr int VAL_YELLOW = 0xFFFF00;
inline constexpr int VAL_BLACK = 0x000000;

// Plot and line styles, point styles.
inline constexpr int VAL_THIN_LINE = 0;
inline constexpr int VAL_FAT_LINE = 1;
inline constexpr int VAL_SOLID = 0;
inline constexpr int VAL_DASH = 1;
inline constexpr int VAL_DOT = 2;
inline constexpr int VAL_DASH_DOT = 3;
inline constexpr int VAL_DASH_DOT_DOT = 4;
inline constexpr int VAL_NO_POINT = 0;
inline constexpr int VAL_TRANSPARENT = 0x1000000;  // a colour that draws nothing

}  // namespace telvar
