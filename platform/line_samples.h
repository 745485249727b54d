// SPDX-License-Identifier: GPL-3.0-or-later
// Short line samples as the icon of a switch: how each line it shows is
// drawn, in place of a legend inside the plot.
#pragma once

#include <span>

namespace telvar {

struct LineSample {
    int colour;  // 0xRRGGBB
    int style;   // VAL_SOLID, VAL_DASH, VAL_DOT, VAL_DASH_DOT or VAL_DASH_DOT_DOT
    bool thick;  // drawn as VAL_FAT_LINE (a strip chart trace 2 pixels thick)
};

// Shows the samples as the icon of the button or check box `control`, one
// short line under the other in the pens the plots draw with, sharp on
// screens of pixel ratio 1 and 2. No samples show an empty icon of the same
// size, so that the text stays in place. 0, UIE_BAD_CONTROL for a control
// without an icon, or UIE_BAD_ATTRIBUTE for a colour or style out of range.
int SetCtrlLineSamples(int panel, int control, std::span<const LineSample> samples);

}  // namespace telvar
