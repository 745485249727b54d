// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/strip_chart.h"

#include "platform/graph.h"
#include "platform/plot_csv.h"
#include "platform/plot_values.h"
#include "platform/userint.h"

#include <QTimer>
#include <qcustomplot.h>

#include <iterator>

namespace telvar::detail {

namespace {

constexpr int kDefaultPointsPerScreen = 100;
constexpr int kMaxPointsPerScreen = 100000;
constexpr int kMaxTraces = 64;
// A deferred redraw waits this long, so that the event pass right after the
// plot call leaves it to the wait that follows.
constexpr int kDeferredRedrawMs = 2;
constexpr int kMaxThickness = 16;

// Distinct colours for traces the program has not coloured.
constexpr int kTraceColours[] = {
    0xFF0000, 0x0000FF, 0x008000, 0xFF8C00, 0x800080, 0x008B8B, 0xA52A2A, 0xFF00FF, 0x808000,
    0x000080, 0x2E8B57, 0xDC143C, 0x4682B4, 0xD2691E, 0x6A5ACD, 0x556B2F, 0xC71585, 0x000000,
};

}  // namespace

StripChart::StripChart(QCustomPlot* plot)
    : Chart(plot), lines_(lines_layer(plot)), history_(1, kDefaultPointsPerScreen)
{
    add_traces(1);
    show_screen_width();
}

int StripChart::set_traces(int count)
{
    if (count < 1 || count > kMaxTraces)
        return UIE_BAD_ATTRIBUTE;
    for (; traces() > count; traces_.pop_back())
        plot()->removeGraph(traces_.back().graph);
    add_traces(count);
    history_.set_traces(count);
    show_points();
    update_legend();
    redraw(false);
    return 0;
}

int StripChart::set_points_per_screen(int points)
{
    if (points < 2 || points > kMaxPointsPerScreen)
        return UIE_BAD_ATTRIBUTE;
    if (points == points_per_screen())
        return 0;
    history_.set_points_per_screen(points);
    show_points();
    show_screen_width();
    redraw(false);
    return 0;
}

int StripChart::append(const void* array, int type, int start, int count, int skip)
{
    if (count < 0 || start < 0 || skip < 0 || count % traces() != 0 || (count > 0 && !array)
        || !is_plot_data_type(type))
        return UIE_BAD_ATTRIBUTE;
    values_.clear();
    read_values(array, type, start, count, skip, &values_);
    history_.append(values_);
    show_points();
    if (refresh_now_) {
        redraw_lines(lines_);
    } else if (!redraw_due_) {
        // Drawn while the program waits for its next event, e.g. the next answer.
        redraw_due_ = true;
        QTimer::singleShot(kDeferredRedrawMs, Qt::PreciseTimer, this, [this] {
            redraw_due_ = false;
            redraw_lines(lines_);
        });
    }
    return 0;
}

void StripChart::clear()
{
    history_.clear();
    show_points();
    redraw_lines(lines_);
}

int StripChart::set_scaling(int axis, int mode, double min, double max)
{
    // The x axis runs over the points per screen.
    return axis == VAL_XAXIS ? UIE_BAD_ATTRIBUTE : Chart::set_scaling(axis, mode, min, max);
}

int StripChart::set_trace(int trace, int attribute, int value)
{
    if (trace < 1 || trace > traces())
        return UIE_BAD_ATTRIBUTE;
    LineLook& look = traces_[trace - 1].look;
    switch (attribute) {
    case ATTR_TRACE_VISIBLE: look.visible = value != 0; break;
    case ATTR_TRACE_COLOR:
        if (!is_line_colour(value))
            return UIE_BAD_ATTRIBUTE;
        look.colour = value;
        break;
    case ATTR_TRACE_LINE_STYLE:
        if (!is_line_style(value))
            return UIE_BAD_ATTRIBUTE;
        look.style = value;
        break;
    case ATTR_TRACE_THICKNESS:
        if (value < 1 || value > kMaxThickness)
            return UIE_BAD_ATTRIBUTE;
        look.width = value;
        break;
    default: return UIE_BAD_ATTRIBUTE;
    }
    restyle(traces_[trace - 1]);
    update_legend();
    redraw(false);
    return 0;
}

int StripChart::set_trace_name(int trace, const char* name)
{
    if (trace < 1 || trace > traces() || !name)
        return UIE_BAD_ATTRIBUTE;
    traces_[trace - 1].name = name;
    traces_[trace - 1].graph->setName(text_of(name));
    update_legend();
    redraw(false);
    return 0;
}

int StripChart::get_trace(int trace, int attribute, int* value) const
{
    if (trace < 1 || trace > traces() || !value)
        return UIE_BAD_ATTRIBUTE;
    const LineLook& look = traces_[trace - 1].look;
    switch (attribute) {
    case ATTR_TRACE_VISIBLE: *value = look.visible ? 1 : 0; return 0;
    case ATTR_TRACE_COLOR: *value = look.colour; return 0;
    case ATTR_TRACE_LINE_STYLE: *value = look.style; return 0;
    case ATTR_TRACE_THICKNESS: *value = look.width; return 0;
    default: return UIE_BAD_ATTRIBUTE;
    }
}

std::string StripChart::csv() const
{
    std::vector<CsvColumn> columns;
    for (int t = 0; t < traces(); ++t)
        columns.push_back({traces_[t].name, history_.points(t)});
    return columns_csv(columns);
}

// New points redraw the traces alone: they have a layer with a paint
// buffer of their own, on top of the rest, which shares one buffer.
QCPLayer* StripChart::lines_layer(QCustomPlot* plot)
{
    plot->addLayer(QStringLiteral("traces"), plot->layer(QStringLiteral("overlay")), QCustomPlot::limAbove);
    QCPLayer* layer = plot->layer(QStringLiteral("traces"));
    layer->setMode(QCPLayer::lmBuffered);
    return layer;
}

void StripChart::add_traces(int count)
{
    while (static_cast<int>(traces_.size()) < count) {
        const int number = static_cast<int>(traces_.size()) + 1;
        Trace trace{plot()->addGraph(), {}, "Trace " + std::to_string(number)};
        trace.graph->setLayer(lines_);
        trace.look.colour = kTraceColours[(number - 1) % std::size(kTraceColours)];
        trace.graph->setName(text_of(trace.name));
        restyle(trace);
        traces_.push_back(trace);
    }
}

void StripChart::restyle(Trace& trace)
{
    trace.graph->setPen(pen_of(trace.look));
    trace.graph->setVisible(drawn(trace.look));
}

void StripChart::update_legend()
{
    std::vector<std::pair<QCPAbstractPlottable*, bool>> lines;
    for (const Trace& trace : traces_)
        lines.emplace_back(trace.graph, drawn(trace.look));
    list_in_legend(lines);
}

// The history into the graphs, x counting the points on the screen. Once
// the screen is full the values are overwritten in place.
void StripChart::show_points()
{
    for (int t = 0; t < traces(); ++t) {
        const std::vector<double>& points = history_.points(t);
        QSharedPointer<QCPGraphDataContainer> data = traces_[t].graph->data();
        if (data->size() == static_cast<int>(points.size())) {
            auto at = data->begin();
            for (double value : points)
                (at++)->value = value;
            continue;
        }
        QVector<QCPGraphData> fresh;
        fresh.reserve(static_cast<int>(points.size()));
        for (std::size_t k = 0; k < points.size(); ++k)
            fresh.append(QCPGraphData(static_cast<double>(k), points[k]));
        data->set(fresh, true);
    }
}

void StripChart::show_screen_width()
{
    plot()->xAxis->setRange(0, points_per_screen() - 1);
}

}  // namespace telvar::detail
