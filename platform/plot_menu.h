// SPDX-License-Identifier: GPL-3.0-or-later
// The right-click menu of a chart: "Save picture..." (PNG or PDF) and "Save
// data as CSV...". The operator chooses the file in the platform's file
// dialog; what cannot be saved is said in an "ERROR" pop-up. Internal to the
// platform layer.
#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace telvar::detail {

struct ChartSaving {
    // Draws the chart into the file; false when it cannot be written.
    std::function<bool(const QString& path, bool pdf)> picture;
    // The chart's data as the text of a CSV file.
    std::function<std::string()> csv;
};

// Gives the chart its menu; the menu is a child of the chart.
void add_save_menu(QWidget* chart, ChartSaving saving);

}  // namespace telvar::detail
