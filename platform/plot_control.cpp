// SPDX-License-Identifier: GPL-3.0-or-later
// Plot widgets made ready as their panel loads, and the strip chart's
// control attributes.
#include "platform/plot_control.h"

#include "platform/chart_cursors.h"
#include "platform/chart_gestures.h"
#include "platform/chart_picture.h"
#include "platform/graph.h"
#include "platform/graph_chart.h"
#include "platform/plot_menu.h"
#include "platform/plot_settings.h"
#include "platform/strip_chart.h"
#include "platform/translation.h"
#include "platform/userint.h"

#include <qcustomplot.h>

#include <vector>

namespace telvar::detail {

namespace {

// Room at the top and right of the axes for the tick labels at their ends.
constexpr QMargins kTickLabelRoom(0, 8, 16, 0);

// Lines without antialiasing, drawn the fast way; tick labels cached; no
// legend, which the program keeps beside the plot. The
// plot paints every pixel of itself, so nothing beneath it is painted; its
// empty overlay layer shares a paint buffer rather than adding one to every
// paint. The grid is solid and light, apart from dashed and dotted lines.
void draw_for_speed(QCustomPlot* plot)
{
    plot->setNotAntialiasedElements(QCP::aeAll);
    plot->setPlottingHints(QCP::phFastPolylines | QCP::phCacheLabels);
    plot->setAutoAddPlottableToLegend(false);
    plot->setAttribute(Qt::WA_OpaquePaintEvent);
    plot->layer(QStringLiteral("overlay"))->setMode(QCPLayer::lmLogical);
    for (QCPAxis* axis : {plot->xAxis, plot->yAxis})
        axis->grid()->setPen(QPen(QColor(0xDD, 0xDD, 0xDD), 0, Qt::SolidLine));
}

Chart* make_chart(QCustomPlot* plot, const PlotSettings& settings)
{
    if (settings.strip_chart)
        return new StripChart(plot);
    auto* graph = new GraphChart(plot);
    if (!settings.x_range)
        graph->set_scaling(VAL_XAXIS, VAL_AUTOSCALE, 0, 0);
    if (!settings.y_range)
        graph->set_scaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    return graph;
}

std::vector<ViewAction> view_actions(Chart* chart)
{
    const auto text = [](const char* translated) { return QString::fromUtf8(translated); };
    std::vector<ViewAction> actions;
    if (auto* strip = qobject_cast<StripChart*>(chart))
        actions.push_back({text(tr_text("Chart", "Follow the newest samples")), {QKeySequence(Qt::Key_End)},
                           [strip] { strip->follow(); }});
    actions.push_back({text(tr_text("Chart", "Reset view")), {QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_0)},
                       [chart] { chart->reset_view(); }});
    actions.push_back({text(tr_text("Chart", "Auto y range")), {}, [chart] { chart->fit_y(); }});
    return actions;
}

void set_up_plot(QCustomPlot* plot, const PlotSettings& settings)
{
    draw_for_speed(plot);
    plot->axisRect()->setMinimumMargins(kTickLabelRoom);
    if (settings.x_range)
        plot->xAxis->setRange(*settings.x_range);
    if (settings.y_range)
        plot->yAxis->setRange(*settings.y_range);
    plot->xAxis->setLabel(settings.x_label);
    plot->yAxis->setLabel(settings.y_label);
    Chart* chart = make_chart(plot, settings);
    // An export lays the plot out for its own painter: the screen is laid out again after it.
    const auto save_picture = [chart](const QString& path, bool pdf) {
        const bool saved = save_chart_picture(*chart, path, pdf);
        chart->redraw(false);
        return saved;
    };
    const std::vector<ViewAction> view = view_actions(chart);
    add_view_gestures(plot, view, [chart] { chart->reset_view(); });
    add_chart_menu(plot, {save_picture, [chart] { return chart->csv(); }}, view);
    // Last, so that its keys and drags come before the view's.
    new ChartCursors(chart);
}

}  // namespace

int set_up_plots(QWidget* root)
{
    const QList<QCustomPlot*> plots = root->findChildren<QCustomPlot*>();
    std::vector<PlotSettings> settings(plots.size());
    // Every plot is checked before any is set up.
    for (qsizetype k = 0; k < plots.size(); ++k)
        if (!read_plot_settings(plots[k], &settings[k]))
            return UIE_BAD_FILE;
    for (qsizetype k = 0; k < plots.size(); ++k)
        set_up_plot(plots[k], settings[k]);
    return 0;
}

bool is_chart_attribute(int attribute)
{
    return attribute == ATTR_POINTS_PER_SCREEN || attribute == ATTR_NUM_TRACES || attribute == ATTR_REFRESH_GRAPH;
}

int set_chart_attribute(QWidget* control, int attribute, int value)
{
    auto* chart = chart_of<StripChart>(control);
    if (!chart)
        return UIE_BAD_ATTRIBUTE;
    switch (attribute) {
    case ATTR_NUM_TRACES: return chart->set_traces(value);
    case ATTR_REFRESH_GRAPH: chart->set_refresh_now(value != 0); return 0;
    default: return chart->set_points_per_screen(value);
    }
}

int get_chart_attribute(const QWidget* control, int attribute, int* value)
{
    const auto* chart = chart_of<StripChart>(control);
    if (!chart)
        return UIE_BAD_ATTRIBUTE;
    switch (attribute) {
    case ATTR_NUM_TRACES: *value = chart->traces(); return 0;
    case ATTR_REFRESH_GRAPH: *value = chart->refresh_now() ? 1 : 0; return 0;
    default: *value = chart->points_per_screen(); return 0;
    }
}

}  // namespace telvar::detail
