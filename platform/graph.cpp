// The strip chart and the graph on QCustomPlot. Each plot widget carries its
// chart as a child object: the strip chart draws a history of points kept
// apart from the widget, the graph keeps its plots by handle.
#include "platform/graph.h"

#include "platform/handle_table.h"
#include "platform/panel_table.h"
#include "platform/plot_control.h"
#include "platform/plot_csv.h"
#include "platform/plot_menu.h"
#include "platform/plot_values.h"
#include "platform/strip_history.h"
#include "platform/userint.h"

#include <QTimer>
#include <qcustomplot.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace telvar {

namespace detail {

namespace {

constexpr int kDefaultPointsPerScreen = 100;
constexpr int kMaxPointsPerScreen = 100000;
constexpr int kMaxTraces = 64;
// A deferred redraw waits this long, so that the event pass right after the
// plot call leaves it to the wait that follows.
constexpr int kDeferredRedrawMs = 2;
constexpr int kMaxThickness = 16;
constexpr int kThinLine = 1;
constexpr int kFatLine = 2;
constexpr double kTwelveBitMax = 4095;
constexpr int kLegendMargin = 5;
// Room at the top and right of the axes for the tick labels at their ends.
constexpr QMargins kTickLabelRoom(0, 8, 16, 0);

// Distinct colours for traces the program has not coloured.
constexpr int kTraceColours[] = {
    0xFF0000, 0x0000FF, 0x008000, 0xFF8C00, 0x800080, 0x008B8B, 0xA52A2A, 0xFF00FF, 0x808000,
    0x000080, 0x2E8B57, 0xDC143C, 0x4682B4, 0xD2691E, 0x6A5ACD, 0x556B2F, 0xC71585, 0x000000,
};

// How a trace or a plot is drawn.
struct LineLook {
    int colour = 0;  // 0xRRGGBB, or VAL_TRANSPARENT
    int style = VAL_SOLID;
    int width = kThinLine;
    bool visible = true;
};

bool is_colour(int colour)
{
    return colour == VAL_TRANSPARENT || (colour & ~0xFFFFFF) == 0;
}

bool is_line_style(int style)
{
    return style == VAL_SOLID || style == VAL_DASH || style == VAL_DOT;
}

bool drawn(const LineLook& look)
{
    return look.visible && look.colour != VAL_TRANSPARENT;
}

// Dashes and dots long enough to stay visible on a thin line.
QPen pen_of(const LineLook& look)
{
    QPen pen(QColor::fromRgb(static_cast<QRgb>(look.colour)), look.width);
    if (look.style == VAL_DASH)
        pen.setDashPattern({5, 3});
    else if (look.style == VAL_DOT)
        pen.setDashPattern({2, 2});
    return pen;
}

QString text_of(const std::string& bytes)
{
    return QString::fromLatin1(bytes.c_str());
}

class Chart : public QObject {
    Q_OBJECT
public:
    explicit Chart(QCustomPlot* plot) : QObject(plot), plot_(plot)
    {
        plot->installEventFilter(this);
        connect(plot, &QCustomPlot::afterReplot, this, [this] { whole_due_ = false; });
    }

    QCustomPlot* plot() const { return plot_; }
    virtual std::string csv() const = 0;

    virtual int set_scaling(int axis, int mode, double min, double max)
    {
        QCPAxis* scaled = axis == VAL_XAXIS ? plot_->xAxis : axis == VAL_LEFT_YAXIS ? plot_->yAxis : nullptr;
        if (!scaled || (mode == VAL_MANUAL && !(min < max)) || (mode != VAL_MANUAL && mode != VAL_AUTOSCALE))
            return UIE_BAD_ATTRIBUTE;
        (axis == VAL_XAXIS ? x_auto_ : y_auto_) = mode == VAL_AUTOSCALE;
        if (mode == VAL_MANUAL)
            scaled->setRange(min, max);
        redraw(false);
        return 0;
    }

    // Draws the whole chart again, now or at the next pass of the event
    // loop. A hidden chart is drawn when it is shown.
    void redraw(bool now)
    {
        rescale();
        whole_due_ = true;
        if (plot_->isVisible())
            plot_->replot(now ? QCustomPlot::rpImmediateRefresh : QCustomPlot::rpQueuedReplot);
    }

    // Draws the lines of a buffered layer again, now, and nothing else
    // unless the rest of the chart is due as well.
    void redraw_lines(QCPLayer* lines)
    {
        if (whole_due_ || x_auto_ || y_auto_ || !plot_->isVisible()) {
            redraw(true);
            return;
        }
        lines->replot();
        plot_->repaint();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            fit_legend();
            whole_due_ = true;  // the plot lays itself out again at its next replot
        }
        if (event->type() == QEvent::Show && whole_due_)
            plot_->replot(QCustomPlot::rpRefreshHint);
        return false;
    }

    // The legend lists the lines drawn that have a name, in their order.
    void list_in_legend(const std::vector<std::pair<QCPAbstractPlottable*, bool>>& lines)
    {
        plot_->legend->clearItems();
        for (const auto& [line, listed] : lines)
            if (listed && !line->name().isEmpty())
                line->addToLegend();
        fit_legend();
    }

private:
    // As many columns as the widest entry leaves room for.
    void fit_legend()
    {
        QCPLegend* legend = plot_->legend;
        int widest = 1;
        for (int k = 0; k < legend->itemCount(); ++k)
            if (QCPAbstractLegendItem* item = legend->item(k))
                widest = std::max(widest, item->minimumOuterSizeHint().width());
        const int room = plot_->width() - 2 * kLegendMargin;
        legend->setWrap(std::max(1, room / (widest + legend->columnSpacing())));
        legend->setFillOrder(QCPLegend::foColumnsFirst, true);
    }

    void rescale()
    {
        if (x_auto_)
            plot_->xAxis->rescale(true);
        if (y_auto_)
            plot_->yAxis->rescale(true);
    }

    QCustomPlot* plot_;
    bool x_auto_ = false;
    bool y_auto_ = false;
    bool whole_due_ = true;  // queued, or skipped while hidden
};

class StripChart : public Chart {
    Q_OBJECT
public:
    explicit StripChart(QCustomPlot* plot)
        : Chart(plot), lines_(lines_layer(plot)), history_(1, kDefaultPointsPerScreen)
    {
        add_traces(1);
        show_screen_width();
    }

    int traces() const { return history_.traces(); }
    int points_per_screen() const { return history_.points_per_screen(); }

    int set_traces(int count)
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

    int set_points_per_screen(int points)
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

    int append(const void* array, int type, int start, int count, int skip)
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

    bool refresh_now() const { return refresh_now_; }
    void set_refresh_now(bool now) { refresh_now_ = now; }

    void clear()
    {
        history_.clear();
        show_points();
        redraw_lines(lines_);
    }

    int set_scaling(int axis, int mode, double min, double max) override
    {
        // The x axis runs over the points per screen.
        return axis == VAL_XAXIS ? UIE_BAD_ATTRIBUTE : Chart::set_scaling(axis, mode, min, max);
    }

    int set_trace(int trace, int attribute, int value)
    {
        if (trace < 1 || trace > traces())
            return UIE_BAD_ATTRIBUTE;
        LineLook& look = traces_[trace - 1].look;
        switch (attribute) {
        case ATTR_TRACE_VISIBLE: look.visible = value != 0; break;
        case ATTR_TRACE_COLOR:
            if (!is_colour(value))
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

    int set_trace_name(int trace, const char* name)
    {
        if (trace < 1 || trace > traces() || !name)
            return UIE_BAD_ATTRIBUTE;
        traces_[trace - 1].name = name;
        traces_[trace - 1].graph->setName(text_of(name));
        update_legend();
        redraw(false);
        return 0;
    }

    int get_trace(int trace, int attribute, int* value) const
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

    // Every trace, hidden ones too, so that a file always has the same columns.
    std::string csv() const override
    {
        std::vector<CsvColumn> columns;
        for (int t = 0; t < traces(); ++t)
            columns.push_back({traces_[t].name, history_.points(t)});
        return columns_csv(columns);
    }

private:
    // New points redraw the traces alone: they have a layer with a paint
    // buffer of their own, on top of the rest, which shares one buffer.
    static QCPLayer* lines_layer(QCustomPlot* plot)
    {
        plot->addLayer(QStringLiteral("traces"), plot->layer(QStringLiteral("overlay")), QCustomPlot::limAbove);
        QCPLayer* layer = plot->layer(QStringLiteral("traces"));
        layer->setMode(QCPLayer::lmBuffered);
        return layer;
    }

    struct Trace {
        QCPGraph* graph;
        LineLook look;
        std::string name;
    };

    void add_traces(int count)
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

    void restyle(Trace& trace)
    {
        trace.graph->setPen(pen_of(trace.look));
        trace.graph->setVisible(drawn(trace.look));
    }

    void update_legend()
    {
        std::vector<std::pair<QCPAbstractPlottable*, bool>> lines;
        for (const Trace& trace : traces_)
            lines.emplace_back(trace.graph, drawn(trace.look));
        list_in_legend(lines);
    }

    // The history into the graphs, x counting the points on the screen. Once
    // the screen is full the values are overwritten in place.
    void show_points()
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

    void show_screen_width() { plot()->xAxis->setRange(0, points_per_screen() - 1); }

    QCPLayer* lines_;
    StripHistory history_;
    bool refresh_now_ = true;
    bool redraw_due_ = false;
    std::vector<Trace> traces_;
    std::vector<double> values_;  // the values of one call, kept to spare an allocation per call
};

class Graph : public Chart {
    Q_OBJECT
public:
    using Chart::Chart;

    int add(const std::vector<double>& x, const std::vector<double>& y, int style, const LineLook& look)
    {
        auto* curve = new QCPCurve(plot()->xAxis, plot()->yAxis);
        curve->setData(QVector<double>(x.begin(), x.end()), QVector<double>(y.begin(), y.end()));
        curve->setPen(pen_of(look));
        curve->setVisible(drawn(look));
        const int handle = plots_.add({curve, look, style, {}});
        update_legend();
        redraw(false);
        return handle;
    }

    // Every plot with handle -1. A plot leaves the legend with its curve.
    int remove(int handle, bool now)
    {
        if (handle == -1) {
            for (const auto& [each, p] : plots_)
                plot()->removePlottable(p.curve);
            plots_.clear();
        } else {
            const Plot* p = plots_.find(handle);
            if (!p)
                return UIE_BAD_ATTRIBUTE;
            plot()->removePlottable(p->curve);
            plots_.remove(handle);
        }
        redraw(now);
        return 0;
    }

    int set_name(int handle, const char* name)
    {
        Plot* p = plots_.find(handle);
        if (!p || !name)
            return UIE_BAD_ATTRIBUTE;
        p->name = name;
        p->curve->setName(text_of(name));
        update_legend();
        redraw(false);
        return 0;
    }

    int get(int handle, int attribute, int* value) const
    {
        const Plot* p = plots_.find(handle);
        if (!p || !value)
            return UIE_BAD_ATTRIBUTE;
        switch (attribute) {
        case ATTR_PLOT_COLOR: *value = p->look.colour; return 0;
        case ATTR_PLOT_STYLE: *value = p->style; return 0;
        case ATTR_PLOT_LINE_STYLE: *value = p->look.style; return 0;
        case ATTR_PLOT_POINTS: *value = p->curve->dataCount(); return 0;
        default: return UIE_BAD_ATTRIBUTE;
        }
    }

    std::vector<int> handles() const
    {
        std::vector<int> all;
        for (const auto& [handle, p] : plots_)
            all.push_back(handle);
        return all;
    }

    // The plots drawn: a transparent plot holds a place or a curve switched off.
    std::string csv() const override
    {
        std::vector<CsvPlot> columns;
        for (const auto& [handle, p] : plots_) {
            if (!drawn(p.look))
                continue;
            CsvPlot column{p.name, {}, {}};
            for (const QCPCurveData& point : *p.curve->data()) {
                column.x.push_back(point.key);
                column.y.push_back(point.value);
            }
            columns.push_back(std::move(column));
        }
        const QString x_label = plot()->xAxis->label();
        return plots_csv(x_label.isEmpty() ? "x" : x_label.toLatin1().toStdString(), columns);
    }

private:
    struct Plot {
        QCPCurve* curve;
        LineLook look;
        int style;
        std::string name;
    };

    void update_legend()
    {
        std::vector<std::pair<QCPAbstractPlottable*, bool>> lines;
        for (const auto& [handle, p] : plots_)
            lines.emplace_back(p.curve, drawn(p.look));
        list_in_legend(lines);
    }

    HandleTable<Plot> plots_;
};

template <typename T>
T* chart_of(const QWidget* control)
{
    return control ? control->findChild<T*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

template <typename T>
T* chart_at(int panel, int control)
{
    return chart_of<T>(find_control(panel, control));
}

// What a panel file says about a plot widget.
struct PlotSettings {
    bool strip_chart = false;
    std::optional<QCPRange> x_range;
    std::optional<QCPRange> y_range;
    QString x_label;
    QString y_label;
    bool legend = false;
};

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

bool read_settings(const QWidget* plot, PlotSettings* settings)
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
    settings->legend = plot->property("plotLegend").toBool();
    return true;
}

// Lines without antialiasing, drawn the fast way; tick labels cached. The
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

// The legend goes under the axes, filled column by column.
void place_legend(QCustomPlot* plot)
{
    auto* below = new QCPLayoutGrid;
    plot->plotLayout()->addElement(1, 0, below);
    plot->plotLayout()->setRowStretchFactor(1, 0.001);
    below->setMargins(QMargins(kLegendMargin, 0, kLegendMargin, kLegendMargin));
    below->addElement(0, 0, plot->legend);
    plot->legend->setIconSize(20, 10);
    plot->legend->setBorderPen(Qt::NoPen);
    plot->legend->setVisible(true);
}

Chart* make_chart(QCustomPlot* plot, const PlotSettings& settings)
{
    if (settings.strip_chart)
        return new StripChart(plot);
    auto* graph = new Graph(plot);
    if (!settings.x_range)
        graph->set_scaling(VAL_XAXIS, VAL_AUTOSCALE, 0, 0);
    if (!settings.y_range)
        graph->set_scaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    return graph;
}

void set_up(QCustomPlot* plot, const PlotSettings& settings)
{
    draw_for_speed(plot);
    plot->axisRect()->setMinimumMargins(kTickLabelRoom);
    if (settings.x_range)
        plot->xAxis->setRange(*settings.x_range);
    if (settings.y_range)
        plot->yAxis->setRange(*settings.y_range);
    plot->xAxis->setLabel(settings.x_label);
    plot->yAxis->setLabel(settings.y_label);
    if (settings.legend)
        place_legend(plot);
    Chart* chart = make_chart(plot, settings);
    // An export lays the plot out for its own painter: the screen is laid out again after it.
    const auto save_picture = [plot, chart](const QString& path, bool pdf) {
        const bool saved = pdf ? plot->savePdf(path) : plot->savePng(path);
        chart->redraw(false);
        return saved;
    };
    add_save_menu(plot, {save_picture, [chart] { return chart->csv(); }});
}

}  // namespace

int set_up_plots(QWidget* root)
{
    const QList<QCustomPlot*> plots = root->findChildren<QCustomPlot*>();
    std::vector<PlotSettings> settings(plots.size());
    // Every plot is checked before any is set up.
    for (qsizetype k = 0; k < plots.size(); ++k)
        if (!read_settings(plots[k], &settings[k]))
            return UIE_BAD_FILE;
    for (qsizetype k = 0; k < plots.size(); ++k)
        set_up(plots[k], settings[k]);
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

}  // namespace detail

using detail::chart_at;
using detail::Graph;
using detail::StripChart;

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
    return attribute == ATTR_TRACE_LG_TEXT ? chart->set_trace_name(trace, value) : UIE_BAD_ATTRIBUTE;
}

int GetTraceAttribute(int panel, int control, int trace, int attribute, int* value)
{
    auto* chart = chart_at<StripChart>(panel, control);
    return chart ? chart->get_trace(trace, attribute, value) : UIE_BAD_CONTROL;
}

int PlotXY(int panel, int control, const void* xArray, const void* yArray, int numberOfPoints, int xDataType,
           int yDataType, int plotStyle, int pointStyle, int lineStyle, [[maybe_unused]] int pointFrequency, int color)
{
    auto* graph = chart_at<Graph>(panel, control);
    if (!graph)
        return UIE_BAD_CONTROL;
    const bool arrays_ok = numberOfPoints == 0 || (xArray && yArray);
    if (numberOfPoints < 0 || !arrays_ok || !detail::is_plot_data_type(xDataType)
        || !detail::is_plot_data_type(yDataType) || (plotStyle != VAL_THIN_LINE && plotStyle != VAL_FAT_LINE)
        || pointStyle != VAL_NO_POINT || !detail::is_line_style(lineStyle) || !detail::is_colour(color))
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
    auto* graph = chart_at<Graph>(panel, control);
    return graph ? graph->remove(plotHandle, refresh == VAL_IMMEDIATE_DRAW) : UIE_BAD_CONTROL;
}

int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max)
{
    auto* chart = chart_at<detail::Chart>(panel, control);
    return chart ? chart->set_scaling(axis, mode, min, max) : UIE_BAD_CONTROL;
}

int SetPlotAttribute(int panel, int control, int plotHandle, int attribute, const char* value)
{
    auto* graph = chart_at<Graph>(panel, control);
    if (!graph)
        return UIE_BAD_CONTROL;
    return attribute == ATTR_PLOT_LG_TEXT ? graph->set_name(plotHandle, value) : UIE_BAD_ATTRIBUTE;
}

int GetPlotAttribute(int panel, int control, int plotHandle, int attribute, int* value)
{
    auto* graph = chart_at<Graph>(panel, control);
    return graph ? graph->get(plotHandle, attribute, value) : UIE_BAD_CONTROL;
}

int GetGraphPlots(int panel, int control, std::vector<int>* handles)
{
    auto* graph = chart_at<Graph>(panel, control);
    if (!graph)
        return UIE_BAD_CONTROL;
    if (!handles)
        return UIE_BAD_ATTRIBUTE;
    *handles = graph->handles();
    return 0;
}

}  // namespace telvar

#include "graph.moc"
