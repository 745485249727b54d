// SPDX-License-Identifier: GPL-3.0-or-later
// The plot functions: each finds the chart its control carries and hands
// the call to it.
#include "platform/graph.h"
#include "platform/shown_text.h"

#include "platform/chart_cursors.h"
#include "platform/graph_chart.h"
#include "platform/line_look.h"
#include "platform/panel_table.h"
#include "platform/plot_values.h"
#include "platform/strip_chart.h"
#include "platform/userint.h"

#include <tuple>
#include <utility>
#include <vector>

namespace telvar {

namespace {

template <typename T>
T* chart_at(int panel, int control)
{
    return detail::chart_of<T>(detail::find_control(panel, control));
}

detail::ChartCursors* cursors_at(int panel, int control)
{
    auto* chart = chart_at<detail::Chart>(panel, control);
    return chart ? chart->findChild<detail::ChartCursors*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

}  // namespace

using detail::GraphChart;
using detail::StripChart;

int SetStripChartSamples(int panel, int control, StripSamples* samples)
{
    auto* chart = chart_at<StripChart>(panel, control);
    if (!chart)
        return UIE_BAD_CONTROL;
    chart->set_samples(samples);
    return 0;
}

int PlotStripChart(int panel, int control, const void* yArray, int numberOfPoints, int startingIndex,
                   int skipCount, int yDataType)
{
    auto* chart = chart_at<StripChart>(panel, control);
    return chart ? chart->append(yArray, yDataType, startingIndex, numberOfPoints, skipCount) : UIE_BAD_CONTROL;
}

int ClearStripChart(int panel, int control)
{
    auto* chart = chart_at<StripChart>(panel, control);
    if (!chart)
        return UIE_BAD_CONTROL;
    chart->clear();
    return 0;
}

int SetStripChartSampleTime(int panel, int control, double secondsSinceEpoch)
{
    auto* chart = chart_at<StripChart>(panel, control);
    if (!chart)
        return UIE_BAD_CONTROL;
    chart->set_sample_time(secondsSinceEpoch);
    return 0;
}

int MarkStripChartGap(int panel, int control)
{
    auto* chart = chart_at<StripChart>(panel, control);
    if (!chart)
        return UIE_BAD_CONTROL;
    chart->mark_gap();
    return 0;
}

int SetTraceAttribute(int panel, int control, int trace, int attribute, int value)
{
    auto* chart = chart_at<StripChart>(panel, control);
    return chart ? chart->set_trace(trace, attribute, value) : UIE_BAD_CONTROL;
}

int SetTraceAttribute(int panel, int control, int trace, int attribute, const char* value)
{
    auto* chart = chart_at<StripChart>(panel, control);
    if (!chart)
        return UIE_BAD_CONTROL;
    switch (attribute) {
    case ATTR_TRACE_LG_TEXT: return chart->set_trace_name(trace, value);
    case ATTR_TRACE_SHOWN_TEXT: return chart->set_trace_shown_name(trace, value);
    default: return UIE_BAD_ATTRIBUTE;
    }
}

int GetStripChartShownSamples(int panel, int control, long long* from, long long* to)
{
    auto* chart = chart_at<StripChart>(panel, control);
    if (!chart)
        return UIE_BAD_CONTROL;
    std::tie(*from, *to) = chart->shown_samples();
    return 0;
}

int GetTraceAttribute(int panel, int control, int trace, int attribute, int* value)
{
    auto* chart = chart_at<StripChart>(panel, control);
    return chart ? chart->get_trace(trace, attribute, value) : UIE_BAD_CONTROL;
}

int PlotXY(int panel, int control, const void* xArray, const void* yArray, int numberOfPoints, int xDataType,
           int yDataType, int plotStyle, int pointStyle, int lineStyle, [[maybe_unused]] int pointFrequency, int color)
{
    auto* graph = chart_at<GraphChart>(panel, control);
    if (!graph)
        return UIE_BAD_CONTROL;
    const bool arrays_ok = numberOfPoints == 0 || (xArray && yArray);
    if (numberOfPoints < 0 || !arrays_ok || !detail::is_plot_data_type(xDataType)
        || !detail::is_plot_data_type(yDataType) || (plotStyle != VAL_THIN_LINE && plotStyle != VAL_FAT_LINE)
        || pointStyle != VAL_NO_POINT || !detail::is_line_style(lineStyle) || !detail::is_line_colour(color))
        return UIE_BAD_ATTRIBUTE;
    std::vector<double> x;
    std::vector<double> y;
    detail::read_values(xArray, xDataType, 0, numberOfPoints, 0, &x);
    detail::read_values(yArray, yDataType, 0, numberOfPoints, 0, &y);
    const detail::LineLook look{color, lineStyle, plotStyle == VAL_FAT_LINE ? detail::kFatLine : detail::kThinLine,
                                true};
    return graph->add(x, y, plotStyle, look);
}

int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh)
{
    auto* graph = chart_at<GraphChart>(panel, control);
    return graph ? graph->remove(plotHandle, refresh == VAL_IMMEDIATE_DRAW) : UIE_BAD_CONTROL;
}

int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max)
{
    auto* chart = chart_at<detail::Chart>(panel, control);
    return chart ? chart->set_scaling(axis, mode, min, max) : UIE_BAD_CONTROL;
}

int SetPlotAttribute(int panel, int control, int plotHandle, int attribute, const char* value)
{
    auto* graph = chart_at<GraphChart>(panel, control);
    return graph ? graph->set_text(plotHandle, attribute, value) : UIE_BAD_CONTROL;
}

int GetPlotAttribute(int panel, int control, int plotHandle, int attribute, int* value)
{
    auto* graph = chart_at<GraphChart>(panel, control);
    return graph ? graph->get(plotHandle, attribute, value) : UIE_BAD_CONTROL;
}

int GetPlotAttribute(int panel, int control, int plotHandle, int attribute, std::string* value)
{
    auto* graph = chart_at<GraphChart>(panel, control);
    return graph ? graph->get_text(plotHandle, attribute, value) : UIE_BAD_CONTROL;
}

int GetGraphPlots(int panel, int control, std::vector<int>* handles)
{
    auto* graph = chart_at<GraphChart>(panel, control);
    if (!graph)
        return UIE_BAD_CONTROL;
    if (!handles)
        return UIE_BAD_ATTRIBUTE;
    *handles = graph->handles();
    return 0;
}

int SetChartCursorText(int panel, int control, CursorText text)
{
    detail::ChartCursors* cursors = cursors_at(panel, control);
    if (!cursors)
        return UIE_BAD_CONTROL;
    cursors->set_text(std::move(text));
    return 0;
}

int SetChartCursors(int panel, int control, int on)
{
    detail::ChartCursors* cursors = cursors_at(panel, control);
    if (!cursors)
        return UIE_BAD_CONTROL;
    cursors->set_on(on != 0);
    return 0;
}

int RefreshChartCursors(int panel, int control)
{
    detail::ChartCursors* cursors = cursors_at(panel, control);
    if (!cursors)
        return UIE_BAD_CONTROL;
    cursors->refresh();
    return 0;
}

int SetChartPictureNote(int panel, int control, const char* note)
{
    auto* chart = chart_at<detail::Chart>(panel, control);
    if (!chart)
        return UIE_BAD_CONTROL;
    if (!note)
        return UIE_BAD_ATTRIBUTE;
    chart->set_picture_note(detail::shown_text(note));
    return 0;
}

}  // namespace telvar
