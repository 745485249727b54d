// SPDX-License-Identifier: GPL-3.0-or-later
// Graph controls of the run-time platform, on QCustomPlot: the strip chart
// (traces that scroll, fed interleaved points) and the graph (plots of y
// against x, each with a handle). The only part of the program that knows
// the plot library.
//
// A plot widget of a panel file (class QCustomPlot) is set up when its panel
// loads, by these dynamic properties (stdset="0"); a value the file gets
// wrong refuses the panel (UIE_BAD_FILE):
//   plotKind              string  "stripchart" or "graph" (the default)
//   plotXMin, plotXMax    number  the graph's x range, both or neither; without
//                                 them the x axis scales itself to the plots.
//                                 The strip chart's x axis runs over its points
//                                 per screen and takes no range.
//   plotYMin, plotYMax    number  the y range, both or neither; without them
//                                 0-4095 on a strip chart (12-bit values), and
//                                 scaled to the plots on a graph
//   plotXLabel, plotYLabel string the axis labels
// Lines are named only in saved data: the program shows what each line is
// beside the plot (see line_samples.h).
//
// The operator moves the view: the wheel zooms along x (with Ctrl along y), a
// drag pans, Ctrl and a drag zoom to the rectangle drawn, a double click
// resets; with the plot focused the arrow keys pan, + and - zoom along x
// (with Ctrl along y), Home or 0 resets. The right-click menu offers "Save
// picture..." (PNG or PDF), "Save data as CSV...", "Reset view" and "Auto y
// range" (y over the lines in the x range shown). An axis the operator moved
// keeps its range until the view is reset, whatever the program sets
// meanwhile.
//
// The strip chart follows its newest points. Moving its x axis looks over
// the last hour of samples, no further than the samples kept, the x axis
// showing their times of day. A view whose right edge is on the newest
// sample (a zoom with the pointer there, or one that reaches it) keeps
// following at its width; any other stays put while new points come. Its
// "Follow" button (shown while it looks back), End, or the menu's "Follow
// the newest samples" follow again at the width shown; panning back up to the
// newest sample at the screen's own width shows the screen again.
// "Save picture..." draws a picture that stands alone: the chart's name, the
// times its samples span, the program's note, titled axes and a legend of
// the lines shown.
//
// The functions return 0 (PlotXY a handle), UIE_BAD_CONTROL for a control
// that is not a plot of the kind the function draws on, or UIE_BAD_ATTRIBUTE
// for an unknown attribute, trace or plot handle, or a value out of range.
#pragma once

#include "platform/looks.h"
#include "platform/strip_samples.h"

#include <functional>
#include <string>
#include <vector>

namespace telvar {

// Data types of the arrays handed to the plot functions.
inline constexpr int VAL_DOUBLE = 4;
inline constexpr int VAL_UNSIGNED_SHORT_INTEGER = 7;

// Axes and their scaling.
inline constexpr int VAL_XAXIS = 0;
inline constexpr int VAL_LEFT_YAXIS = 1;
inline constexpr int VAL_MANUAL = 0;
inline constexpr int VAL_AUTOSCALE = 1;


inline constexpr int VAL_IMMEDIATE_DRAW = 1;
inline constexpr int VAL_DELAYED_DRAW = 0;

// Strip chart attributes (SetCtrlAttribute with the chart's control). A new
// chart has 1 trace and 100 points per screen (2 to 100000). Another number
// of traces (1 to 64) empties the chart; fewer points per screen keep the
// newest.
inline constexpr int ATTR_POINTS_PER_SCREEN = 1000;
inline constexpr int ATTR_NUM_TRACES = 1001;
// 1 (the default): PlotStripChart redraws before it returns; 0: the chart
// redraws at the next pass of the event loop, so a loop that plots and then
// waits for its next answer draws while it waits.
inline constexpr int ATTR_REFRESH_GRAPH = 1002;

// Trace attributes (SetTraceAttribute), traces numbered from 1.
enum TraceAttribute : int {
    ATTR_TRACE_VISIBLE = 1,     // int
    ATTR_TRACE_COLOR,           // int, 0xRRGGBB
    ATTR_TRACE_LINE_STYLE,      // int: VAL_SOLID, VAL_DASH, VAL_DOT, VAL_DASH_DOT, VAL_DASH_DOT_DOT
    ATTR_TRACE_THICKNESS,       // int, pixels
    ATTR_TRACE_LG_TEXT,         // string: the trace's name in saved data, and in its legend
    ATTR_TRACE_SHOWN_TEXT,      // string: the name its legend shows instead, in the window's language
};

// Plot attributes of a graph's plot.
enum PlotAttribute : int {
    ATTR_PLOT_LG_TEXT = 1,   // string: the plot's name in saved data
    ATTR_PLOT_COLOR,         // int, 0xRRGGBB or VAL_TRANSPARENT
    ATTR_PLOT_STYLE,         // int: VAL_THIN_LINE, VAL_FAT_LINE
    ATTR_PLOT_LINE_STYLE,    // int: VAL_SOLID, VAL_DASH, VAL_DOT, VAL_DASH_DOT, VAL_DASH_DOT_DOT
    ATTR_PLOT_POINTS,        // int, read only: how many points the plot has
    // string: when not empty, the plot marks moments. Its points are taken
    // as steps from 0, each value holding until the next point, and only the
    // steps' edges are drawn, each a vertical line labelled with this text at its
    // top end, so that flat parts on the axes do not read as the border. The
    // marks play no part in scaling the axes.
    ATTR_PLOT_EDGE_TEXT,
    ATTR_PLOT_SHOWN_TEXT,    // string: the name the legend shows instead of ATTR_PLOT_LG_TEXT
};

// The samples the strip chart draws, kept by the program; the chart keeps
// none of its own. They take the chart's number of traces, and follow it.
// Until it has them the chart draws nothing and PlotStripChart refuses.
int SetStripChartSamples(int panel, int control, StripSamples* samples);
// Appends `numberOfPoints` values to the strip chart's samples, interleaved
// trace by trace (value k belongs to trace k % traces + 1), starting at
// element `startingIndex` and skipping `skipCount` values after each one
// taken; `numberOfPoints` is a multiple of the number of traces, and every
// sample is appended. The chart shows the last points-per-screen samples of
// each trace and redraws before it returns (a hidden chart when it is shown).
int PlotStripChart(int panel, int control, const void* yArray, int numberOfPoints, int startingIndex,
                   int skipCount, int yDataType);
int ClearStripChart(int panel, int control);
// When the samples of the next PlotStripChart call were taken, in seconds
// since the epoch (UTC); without it, when the call is made. Looking back,
// the x axis shows the samples' times of day.
int SetStripChartSampleTime(int panel, int control, double secondsSinceEpoch);
// The record breaks after the newest sample (a stop, a lost line, an answer
// held up): the next sample is not joined to it, and a mark labelled "gap"
// stands between them.
int MarkStripChartGap(int panel, int control);
// The samples [*from, *to) in the x range the strip chart shows, of those
// kept: the screen, or where the operator zoomed or looked back.
int GetStripChartShownSamples(int panel, int control, long long* from, long long* to);
int SetTraceAttribute(int panel, int control, int trace, int attribute, int value);
int SetTraceAttribute(int panel, int control, int trace, int attribute, const char* value);
int GetTraceAttribute(int panel, int control, int trace, int attribute, int* value);

// Draws a plot of y against x on the graph, point by point in array order;
// its handle (> 0), or a negative code. No point markers (VAL_NO_POINT), so
// `pointFrequency` has no effect.
int PlotXY(int panel, int control, const void* xArray, const void* yArray, int numberOfPoints, int xDataType,
           int yDataType, int plotStyle, int pointStyle, int lineStyle, int pointFrequency, int color);
// Deletes one plot, or every plot with handle -1. VAL_IMMEDIATE_DRAW redraws
// before returning; the graph's other changes are drawn at the next pass of
// the event loop, all at once.
int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh);
// VAL_MANUAL: the axis runs from min to max (min < max); VAL_AUTOSCALE: it
// follows the lines drawn.
int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max);
int SetPlotAttribute(int panel, int control, int plotHandle, int attribute, const char* value);
int GetPlotAttribute(int panel, int control, int plotHandle, int attribute, int* value);
// ATTR_PLOT_LG_TEXT or ATTR_PLOT_EDGE_TEXT.
int GetPlotAttribute(int panel, int control, int plotHandle, int attribute, std::string* value);
// The handles of the graph's plots, oldest first.
int GetGraphPlots(int panel, int control, std::vector<int>* handles);

// Two vertical cursors on the strip chart or the graph, off until switched
// on, each standing on a sample: the strip chart's sample numbers (they move
// left with their samples as new ones come), the graph's whole x values.
// Switched on they stand at a third and two thirds of the x range shown;
// the operator drags them with the mouse, and with the chart focused Left
// and Right move the active one a sample (with Shift ten) instead of
// panning, 1 and 2 choose
// it, Tab goes from cursor 1 to cursor 2 and then on, Shift+Tab back. A box
// in the chart's top left corner shows what the program reads at them,
// and screen readers read it as its description ("Cursor readout").
// `active` is 0 for cursor 1, 1 for cursor 2.
using CursorText = std::function<std::string(long long first, long long second, int active)>;
int SetChartCursorText(int panel, int control, CursorText text);
int SetChartCursors(int panel, int control, int on);
// The readout asks for its text again: what stands at the cursors changed.
int RefreshChartCursors(int panel, int control);

// A line a saved picture of the strip chart or the graph carries under its
// title, e.g. the line and the controller its data came from; "" for none.
int SetChartPictureNote(int panel, int control, const char* note);

}  // namespace telvar
