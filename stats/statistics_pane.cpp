// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/statistics_pane.h"

#include "platform/csv_file.h"
#include "platform/graph.h"
#include "platform/looks.h"
#include "platform/table.h"
#include "platform/timers.h"
#include "platform/translation.h"
#include "scope/live_sample.h"
#include "scope/trace_table.h"
#include "stats/channel_values.h"
#include "stats/figure_rows.h"
#include "stats/figures_export.h"
#include "stats/gauge_study_dialog.h"
#include "stats/histogram.h"
#include "stats/mark_colours.h"
#include "stats/report_sections.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace telvar {

namespace {

enum Window : int { LAST_SAMPLES, SINCE_RESET, SHOWN_RANGE };

struct Pane {
    int window = LAST_SAMPLES;
    int count = 1000;
    int channel = 0;  // the histogram's, in STAT_CHANNELS
    bool wanted = true;  // the operator's switch
    bool shown = false;
    int timer = 0;
    // Since the reset: the figures of every sample from `reset_at` on, fed
    // as they come, beyond the hour the chart keeps.
    std::array<RunningFigures, std::size(STAT_CHANNELS)> running;
    long long reset_at = 0;
    long long fed = 0;
    ChannelFigures figures;
    std::vector<LimitedValue> values;  // one channel's window, its memory kept
    // What the figures were made of, so that a tick with nothing new draws nothing.
    std::optional<std::array<long long, 4>> drawn;
};

Pane g_pane;

class FigureTable final : public TableRows {
public:
    std::size_t row_count() const override { return std::size(FIGURE_ROWS); }
    std::string cell(std::size_t row, int column) const override
    {
        return column == 0 ? shown_label(FIGURE_ROWS[row]) : FIGURE_ROWS[row].text(g_pane.figures[column - 1]);
    }
    // A figure without a value says why.
    std::string note(std::size_t row, int column) const override
    {
        return column > 0 && cell(row, column) == NO_FIGURE ? shown_reason(g_pane.figures[column - 1].reason)
                                                            : std::string();
    }
};

FigureTable g_table;

// The pane is narrow: the figures' names, in any language, are to fit the
// width of 9 digits.
std::vector<TableColumn> table_columns()
{
    std::vector<TableColumn> columns{{tr_text("Statistics", "Figure"), 9, false}};
    for (const StatChannel& channel : STAT_CHANNELS)
        columns.push_back({shown_label(channel), 8, true});
    return columns;
}

// Samples [from, to) of the window chosen.
std::pair<long long, long long> window_samples()
{
    const StripStore& samples = yArray();
    long long from = samples.first();
    long long to = samples.end();
    if (g_pane.window == LAST_SAMPLES)
        from = std::max(from, to - g_pane.count);
    else if (g_pane.window == SINCE_RESET)
        from = std::max(from, g_pane.reset_at);
    else
        GetStripChartShownSamples(panelMAIN, MAIN_STRIPCHART, &from, &to);
    return {from, std::max(from, to)};
}

// The samples that came since the last tick into the running figures.
void feed_running()
{
    const StripStore& samples = yArray();
    const long long from = std::max({g_pane.fed, g_pane.reset_at, samples.first()});
    for (std::size_t k = 0; k < std::size(STAT_CHANNELS); ++k) {
        channel_values(samples, STAT_CHANNELS[k], from, samples.end(), &g_pane.values);
        for (const LimitedValue& value : g_pane.values)
            g_pane.running[k].add(value);
    }
    g_pane.fed = samples.end();
}

// `shown`: in the window's words; otherwise English, for the CSV file.
std::string window_text(bool shown)
{
    const auto [from, to] = window_samples();
    switch (g_pane.window) {
    case LAST_SAMPLES:
        return with_args(shown ? tr_text("Statistics", "Last %1 samples") : "Last %1 samples",
                         {std::to_string(to - from)});
    case SINCE_RESET:
        return shown ? tr_text("Statistics", "Since the reset") : "Since the reset";
    default:
        return with_args(shown ? tr_text("Statistics", "Samples %1 to %2") : "Samples %1 to %2",
                         {std::to_string(from), std::to_string(to - 1)});
    }
}

// `format`: the share in per cent as %.1f.
std::string share_text(const char* format, const std::optional<double>& share)
{
    char text[64];
    std::snprintf(text, sizeof text, format, share.value_or(0) * 100);
    return text;
}

// A vertical line at x up to `height`, labelled at its top; the lines end
// at heights of their own, so that labels of limits close together do not
// cover each other.
void mark(double x, double height, const std::string& label, int colour)
{
    const int plot = PlotXY(panelSTATS, STATS_HISTOGRAM, &x, &height, 1, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE,
                            VAL_NO_POINT, VAL_DASH, 1, colour);
    if (plot > 0)
        SetPlotAttribute(panelSTATS, STATS_HISTOGRAM, plot, ATTR_PLOT_EDGE_TEXT, label.c_str());
}

// The bins as one outline of steps, the limits and the reference as lines.
void draw_histogram(const Histogram& histogram, const Figures& over, long long to)
{
    const StatChannel& channel = STAT_CHANNELS[g_pane.channel];
    DeleteGraphPlot(panelSTATS, STATS_HISTOGRAM, -1, VAL_DELAYED_DRAW);
    const double width = (histogram.range.to - histogram.range.from) / static_cast<double>(histogram.counts.size());
    std::vector<double> xs{histogram.range.from};
    std::vector<double> ys{0};
    for (std::size_t k = 0; k < histogram.counts.size(); ++k) {
        const double left = histogram.range.from + static_cast<double>(k) * width;
        xs.insert(xs.end(), {left, left + width});
        ys.insert(ys.end(), 2, static_cast<double>(histogram.counts[k]));
    }
    xs.push_back(histogram.range.to);
    ys.push_back(0);
    PlotXY(panelSTATS, STATS_HISTOGRAM, xs.data(), ys.data(), static_cast<int>(xs.size()), VAL_DOUBLE, VAL_DOUBLE,
           VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 1, TRACE_LOOKS[channel.value - 1].colour);
    SetAxisScalingMode(panelSTATS, STATS_HISTOGRAM, VAL_XAXIS, VAL_MANUAL, histogram.range.from, histogram.range.to);
    if (!over.lower || !over.upper)
        return;
    const double top = static_cast<double>(*std::max_element(histogram.counts.begin(), histogram.counts.end()));
    std::vector<double> reference;
    yArray().values(channel.reference - 1, to - 1, to, &reference);
    mark(*over.lower, top, share_text(tr_text("Statistics", "below %.1f %%"), histogram.share_below), LIMIT_COLOUR);
    mark(*over.upper, top * 0.8, share_text(tr_text("Statistics", "above %.1f %%"), histogram.share_above),
         LIMIT_COLOUR);
    if (!reference.empty())
        mark(reference.front(), top * 0.6, tr_text("Statistics", "reference"), REFERENCE_COLOUR);
}

void show_figures()
{
    RefreshTableCells(panelSTATS, STATS_TABLE);
    const bool changed = std::any_of(g_pane.figures.begin(), g_pane.figures.end(),
                                     [](const Figures& f) { return f.limits_changed; });
    SetCtrlVal(panelSTATS, STATS_NOTE,
               changed ? tr_text("Statistics", "The limits changed inside the window; the figures use the last.") : "");
}

// The figures since the reset take every sample, also while the pane is
// hidden; drawing waits until it is shown.
void tick()
{
    if (g_pane.shown)
        refresh_statistics();
    else
        feed_running();
}

void start_ticking()
{
    if (g_pane.timer == 0)
        g_pane.timer = NewRepeatingTimer(STATS_REFRESH_S, tick);
}

// The next tick draws, whatever it finds.
void redraw()
{
    g_pane.drawn.reset();
    refresh_statistics();
}

}  // namespace

void setup_statistics_pane()
{
    SetTableRows(panelSTATS, STATS_TABLE, table_columns(), &g_table);
    SetAxisScalingMode(panelSTATS, STATS_HISTOGRAM, VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    start_ticking();
}

void show_statistics_pane(bool scope_view)
{
    SetCtrlAttribute(panelMAIN, MAIN_CHK_STATISTICS, ATTR_VISIBLE, scope_view);
    g_pane.shown = scope_view && g_pane.wanted;
    if (g_pane.shown) {
        DisplayPanel(panelSTATS);
        redraw();
    } else {
        HidePanel(panelSTATS);
    }
}

void refresh_statistics()
{
    feed_running();
    const auto [from, to] = window_samples();
    const std::array<long long, 4> made_of{from, to, g_pane.window, g_pane.channel};
    if (g_pane.drawn == made_of)
        return;
    g_pane.drawn = made_of;
    const auto runs_of = [&](std::size_t k) { return channel_runs(yArray(), STAT_CHANNELS[k], from, to); };
    for (std::size_t k = 0; k < std::size(STAT_CHANNELS); ++k)
        g_pane.figures[k] = g_pane.window == SINCE_RESET ? g_pane.running[k].figures() : compute_figures(runs_of(k));
    // The histogram shows the samples kept; since the reset they may be fewer than the figures count.
    const auto runs = runs_of(std::size_t(g_pane.channel));
    const Figures over = g_pane.window == SINCE_RESET ? compute_figures(runs) : g_pane.figures[g_pane.channel];
    draw_histogram(histogram_of_runs(runs, over), over, to);
    show_figures();
}

std::string statistics_report_appendix()
{
    std::string html = g_pane.shown ? statistics_report_html(g_pane.figures, window_text(true)) : std::string();
    if (last_gauge_study())
        html += gauge_study_report_html(*last_gauge_study());
    return html;
}

int CC_CHK_STATISTICS(int panel, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int on = 0;
    GetCtrlVal(panel, control, &on);
    g_pane.wanted = on != 0;
    show_statistics_pane(true);
    return 0;
}

int CC_STATS_WINDOW(int panel, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    GetCtrlVal(panel, control, &g_pane.window);
    SetCtrlAttribute(panel, STATS_COUNT, ATTR_DIMMED, g_pane.window != LAST_SAMPLES);
    redraw();
    return 0;
}

int CC_STATS_COUNT(int panel, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    GetCtrlVal(panel, control, &g_pane.count);
    redraw();
    return 0;
}

int CC_STATS_RESET(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    for (RunningFigures& running : g_pane.running)
        running.reset();
    g_pane.reset_at = yArray().end();
    g_pane.fed = g_pane.reset_at;
    redraw();
    return 0;
}

int CC_STATS_CHANNEL(int panel, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    GetCtrlVal(panel, control, &g_pane.channel);
    redraw();
    return 0;
}

int CC_STATS_COPY(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        ClipboardPutText(figures_text(g_pane.figures, window_text(true)).c_str());
    return 0;
}

int CC_STATS_EXPORT(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    const ChannelFigures figures = g_pane.figures;  // as shown when the operator asked
    const std::string window = window_text(false);
    char path[MAX_PATHNAME_LEN];
    const int chosen = FileSelectPopup(dirName, "*.csv", "*.csv", tr_text("Statistics", "Export Statistics"),
                                       VAL_SAVE_BUTTON, 0, 1, 1, 1, path);
    if (chosen == UIE_BUFFER_TOO_SMALL)
        MessagePopup(tr_text("Statistics", "ERROR"), tr_text("Statistics", "The file name is too long."));
    if (chosen <= 0)
        return 0;
    if (std::string why; !SaveCsv(path, figures_csv(figures, window), &why))
        MessagePopup(tr_text("Statistics", "ERROR"),
                     with_args(tr_text("Statistics", "The statistics could not be saved to %1: %2."), {path, why})
                         .c_str());
    return 0;
}

int CC_STATS_GAUGE(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        open_gauge_study(g_pane.channel);
    return 0;
}

}  // namespace telvar

