// SPDX-License-Identifier: GPL-3.0-or-later
// A chart's saved picture stands alone: above the plot its name with the
// times its samples span and the note the program gave it (where the data
// came from), both axes titled, and below the plot a legend of the lines
// shown, each drawn as on the plot. The window's chart stays as it was.
// Internal to the platform layer.
#pragma once

#include <QString>

namespace telvar::detail {

class Chart;

// PNG or PDF, as wide as the chart and taller by the parts added, so that
// the plot keeps its size; false when the file cannot be written.
bool save_chart_picture(Chart& chart, const QString& path, bool pdf);

}  // namespace telvar::detail
