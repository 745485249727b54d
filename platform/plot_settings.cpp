// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plot_settings.h"

#include <QVariant>
#include <QWidget>

namespace telvar::detail {

namespace {

constexpr double kTwelveBitMax = 4095;

// A range is given by both of its ends, or not at all.
bool read_range(const QWidget* plot, const char* min_name, const char* max_name, std::optional<QCPRange>* range)
{
    const QVariant min = plot->property(min_name);
    const QVariant max = plot->property(max_name);
    if (!min.isValid() && !max.isValid())
        return true;
    bool min_ok = false;
    bool max_ok = false;
    const double lower = min.toDouble(&min_ok);
    const double upper = max.toDouble(&max_ok);
    if (!min_ok || !max_ok || !(lower < upper))
        return false;
    *range = QCPRange(lower, upper);
    return true;
}

}  // namespace

bool read_plot_settings(const QWidget* plot, PlotSettings* settings)
{
    const QVariant kind = plot->property("plotKind");
    settings->strip_chart = kind.toString() == QLatin1String("stripchart");
    if (kind.isValid() && !settings->strip_chart && kind.toString() != QLatin1String("graph"))
        return false;
    if (!read_range(plot, "plotXMin", "plotXMax", &settings->x_range)
        || !read_range(plot, "plotYMin", "plotYMax", &settings->y_range))
        return false;
    // The strip chart's x axis runs over its points per screen.
    if (settings->strip_chart && settings->x_range)
        return false;
    if (settings->strip_chart && !settings->y_range)
        settings->y_range = QCPRange(0, kTwelveBitMax);
    settings->x_label = plot->property("plotXLabel").toString();
    settings->y_label = plot->property("plotYLabel").toString();
    return true;
}

}  // namespace telvar::detail
