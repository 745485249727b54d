// SPDX-License-Identifier: GPL-3.0-or-later
// The right-click menu of a chart: "Save picture..." (PNG or PDF), "Save
// data as CSV...", then the chart's view actions, each showing its key. The
// operator chooses the file in the platform's file dialog; what cannot be
// saved is said in an "ERROR" pop-up. Internal to the platform layer.
#pragma once

#include "platform/chart_gestures.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace telvar::detail {

struct ChartSaving {
    // Draws the chart into the file; false when it cannot be written.
    std::function<bool(const QString& path, bool pdf)> picture;
    // The chart's data as the text of a CSV file.
    std::function<std::string()> csv;
};

// Gives the chart its menu; the menu is a child of the chart.
void add_chart_menu(QWidget* chart, ChartSaving saving, const std::vector<ViewAction>& view);

}  // namespace telvar::detail
