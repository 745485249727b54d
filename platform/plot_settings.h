// SPDX-License-Identifier: GPL-3.0-or-later
// What a panel file says about a plot widget, in the dynamic properties that
// graph.h lists. Internal to the platform layer.
#pragma once

#include <QString>
#include <qcustomplot.h>

#include <optional>

class QWidget;

namespace telvar::detail {

struct PlotSettings {
    bool strip_chart = false;
    std::optional<QCPRange> x_range;
    std::optional<QCPRange> y_range;
    QString x_label;
    QString y_label;
};

// False for a property the file gets wrong.
bool read_plot_settings(const QWidget* plot, PlotSettings* settings);

}  // namespace telvar::detail
