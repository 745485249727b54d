// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/strip_chart.h"

#include "platform/chart_bands.h"
#include "platform/chart_gaps.h"
#include "platform/graph.h"
#include "platform/plot_csv.h"
#include "platform/plot_values.h"
#include "platform/trace_graph.h"
#include "platform/translation.h"
#include "platform/userint.h"

#include <QAbstractEventDispatcher>
#include <QDateTime>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace telvar::detail {

namespace {

constexpr int kDefaultPointsPerScreen = 100;
constexpr int kMaxPointsPerScreen = 100000;
constexpr int kMaxTraces = 64;
// A deferred redraw is made when the program next waits, for the next answer
// mostly, so that it takes none of the time between an answer and the next
// request; a program that never waits still sees its chart this often.
constexpr int kDeferredRedrawLatestMs = 20;
constexpr int kMaxThickness = 16;
// The Follow button's distance from the corner of the axes, in pixels.
constexpr int kButtonMargin = 6;
// How near the newest sample the right edge counts as on it, in pixels.
constexpr double kEdgePixels = 3;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Distinct colours for traces the program has not coloured.
constexpr int kTraceColours[] = {
    0xFF0000, 0x0000FF, 0x008000, 0xFF8C00, 0x800080, 0x008B8B, 0xA52A2A, 0xFF00FF, 0x808000,
    0x000080, 0x2E8B57, 0xDC143C, 0x4682B4, 0xD2691E, 0x6A5ACD, 0x556B2F, 0xC71585, 0x000000,
};

double now()
{
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000;
}

QString translated(const char* text)
{
    return QString::fromUtf8(text);
}

QString time_text(double seconds, const char* format)
{
    return QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000)).toString(QLatin1String(format));
}

}  // namespace

StripChart::StripChart(QCustomPlot* plot)
    : Chart(plot), lines_(lines_layer(plot)), gaps_(new ChartGaps(plot, lines_)), screen_(kDefaultPointsPerScreen),
      ticker_(new SampleTicker), follow_button_(new QPushButton(translated(tr_text("Chart", "Follow")), plot)),
      file_x_label_(plot->xAxis->label())
{
    new ChartBands(plot, lines_);
    redraw_latest_.setSingleShot(true);
    redraw_latest_.setInterval(kDeferredRedrawLatestMs);
    connect(&redraw_latest_, &QTimer::timeout, this, &StripChart::redraw_deferred);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &StripChart::redraw_deferred);
    plot->xAxis->setTicker(ticker_);
    follow_button_->setAccessibleName(translated(tr_text("Chart", "Follow the newest samples")));
    follow_button_->setToolTip(translated(tr_text("Chart", "Follow the newest samples (End)")));
    follow_button_->hide();
    connect(follow_button_, &QPushButton::clicked, this, &StripChart::follow);
    connect(plot, &QCustomPlot::afterReplot, this, &StripChart::place_follow_button);
    add_traces(1);
    show_screen_width();
    // Off the screen, the lines are taken from the samples kept for the range about to be drawn.
    connect(plot, &QCustomPlot::beforeReplot, this, [this] {
        if (!home())
            show_kept();
    });
}

void StripChart::set_samples(StripSamples* samples)
{
    samples_ = samples;
    screen_ = StripScreen(points_per_screen());
    if (samples_)
        samples_->set_traces(traces());
    if (home()) {
        show_points();
        redraw(false);
    } else {
        return_x();
    }
}

int StripChart::set_traces(int count)
{
    if (count < 1 || count > kMaxTraces)
        return UIE_BAD_ATTRIBUTE;
    for (; traces() > count; traces_.pop_back())
        plot()->removeGraph(traces_.back().graph);
    add_traces(count);
    if (samples_)
        samples_->set_traces(count);
    show_points();
    redraw(false);
    return 0;
}

int StripChart::set_points_per_screen(int points)
{
    if (points < 2 || points > kMaxPointsPerScreen)
        return UIE_BAD_ATTRIBUTE;
    if (points == points_per_screen())
        return 0;
    screen_.set_points(points, samples_);
    show_screen_width();
    if (home())
        show_points();
    redraw(false);
    return 0;
}

int StripChart::append(const void* array, int type, int start, int count, int skip)
{
    if (!samples_ || count < 0 || start < 0 || skip < 0 || count % traces() != 0 || (count > 0 && !array)
        || !is_plot_data_type(type))
        return UIE_BAD_ATTRIBUTE;
    values_.clear();
    read_values(array, type, start, count, skip, &values_);
    const double time = sample_time_.value_or(now());
    sample_time_.reset();
    const auto width = static_cast<std::size_t>(traces());
    for (std::size_t at = 0; at < values_.size(); at += width)
        samples_->push(std::span<const double>(values_).subspan(at, width), time);
    if (!home()) {
        // Looking back, the view stays where the operator put it.
        if (pinned_) {
            pin();
            redraw(refresh_now_);
        }
        return 0;
    }
    show_points();
    redraw_new_points();
    return 0;
}

void StripChart::redraw_new_points()
{
    if (refresh_now_) {
        redraw_lines(lines_);
    } else if (!redraw_due_) {
        redraw_due_ = true;
        redraw_latest_.start();
    }
}

void StripChart::redraw_deferred()
{
    if (!redraw_due_)
        return;
    redraw_due_ = false;
    redraw_latest_.stop();
    redraw_lines(lines_);
}

void StripChart::mark_gap()
{
    if (samples_)
        samples_->mark_gap();
    if (home()) {
        show_points();
        redraw_new_points();
    } else {
        redraw(false);
    }
}

void StripChart::clear()
{
    if (samples_)
        samples_->clear();
    if (home()) {
        show_points();
        redraw_lines(lines_);
    } else {
        return_x();
    }
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
    redraw(false);
    return 0;
}

int StripChart::set_trace_name(int trace, const char* name)
{
    if (trace < 1 || trace > traces() || !name)
        return UIE_BAD_ATTRIBUTE;
    traces_[trace - 1].name = name;
    traces_[trace - 1].graph->setName(text_of(name));
    return 0;
}

int StripChart::set_trace_shown_name(int trace, const char* name)
{
    if (trace < 1 || trace > traces() || !name)
        return UIE_BAD_ATTRIBUTE;
    traces_[trace - 1].graph->setName(text_of(name));
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

void StripChart::follow()
{
    if (home())
        return;
    if (screen_width(plot()->xAxis->range())) {
        return_x();
        return;
    }
    pinned_ = true;
    pin();
    show_off_screen();
    redraw(true);
}

std::optional<SampleSpan> StripChart::cursor_span() const
{
    if (!has_samples())
        return std::nullopt;
    return SampleSpan{samples_->first(), samples_->end() - 1};
}

std::string StripChart::csv() const
{
    std::vector<CsvColumn> columns;
    for (int t = 0; t < traces(); ++t) {
        columns.push_back({traces_[t].name, {}});
        if (samples_)
            samples_->values(t, screen_first(), samples_end(), &columns.back().values);
    }
    return columns_csv(columns);
}

// From the first sample kept in the view to the last, to the millisecond.
QString StripChart::shown_times() const
{
    if (!has_samples())
        return {};
    const QCPRange shown = plot()->xAxis->range();
    const auto offset = static_cast<double>(x_offset());
    const long long first = std::max(samples_->first(), static_cast<long long>(std::ceil(shown.lower + offset)));
    const long long last = std::min(samples_->end() - 1, static_cast<long long>(std::floor(shown.upper + offset)));
    if (first > last)
        return {};
    const double from = samples_->time(first);
    const double to = samples_->time(last);
    const bool one_day = time_text(from, "yyyyMMdd") == time_text(to, "yyyyMMdd");
    return time_text(from, "yyyy-MM-dd HH:mm:ss.zzz") + translated(tr_text("Chart", " to "))
           + time_text(to, one_day ? "HH:mm:ss.zzz" : "yyyy-MM-dd HH:mm:ss.zzz");
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
        Trace trace{new TraceGraph(plot()->xAxis, plot()->yAxis), {}, "Trace " + std::to_string(number)};
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

// The screen's samples into the graphs, x counting the points on the
// screen, the line broken where the record breaks. Once the screen is full
// and unbroken the values are overwritten in place.
void StripChart::show_points()
{
    const long long first = screen_first();
    const long long size = samples_end() - first;
    std::vector<long long> breaks;  // before these points
    if (samples_)
        for (const long long gap : samples_->gaps())
            if (gap - first > 0 && gap - first < size)
                breaks.push_back(gap - first);
    std::vector<double> places;
    for (const long long point : breaks)
        places.push_back(static_cast<double>(point) - 0.5);
    gaps_->set_places(std::move(places));
    for (int t = 0; t < traces(); ++t) {
        QSharedPointer<QCPGraphDataContainer> data = traces_[t].graph->data();
        values_.clear();
        if (samples_)
            samples_->values(t, first, first + size, &values_);
        if (breaks.empty() && data->size() == size) {
            auto at = data->begin();
            for (double value : values_)
                (at++)->value = value;
            continue;
        }
        QVector<QCPGraphData> fresh;
        fresh.reserve(static_cast<qsizetype>(size) + static_cast<qsizetype>(breaks.size()));
        auto next_break = breaks.begin();
        for (long long k = 0; k < size; ++k) {
            const auto key = static_cast<double>(k);
            if (next_break != breaks.end() && *next_break == k) {
                fresh.append(QCPGraphData(key - 0.5, kNaN));
                ++next_break;
            }
            fresh.append(QCPGraphData(key, values_[static_cast<std::size_t>(k)]));
        }
        data->set(fresh, true);
    }
}

// The samples kept in and around the x range shown, at most two a pixel column.
void StripChart::show_kept()
{
    const QCPRange shown = plot()->xAxis->range();
    const auto offset = static_cast<double>(offset_);
    const auto from = static_cast<long long>(std::floor(shown.lower + offset)) - 1;
    const auto to = static_cast<long long>(std::ceil(shown.upper + offset)) + 2;
    const int width = plot()->axisRect()->width() > 0 ? plot()->axisRect()->width() : plot()->width();
    const double per_column = shown.size() / (width * plot()->devicePixelRatioF());
    QVector<QCPGraphData> points;
    for (int t = 0; t < traces(); ++t) {
        kept_points_.clear();
        if (samples_)
            samples_->draw_points(t, from, to, per_column, &kept_points_);
        points.resize(static_cast<qsizetype>(kept_points_.size()));
        for (std::size_t k = 0; k < kept_points_.size(); ++k)
            points[static_cast<qsizetype>(k)] = QCPGraphData(kept_points_[k].number - offset, kept_points_[k].value);
        traces_[t].graph->data()->set(points, true);
    }
    std::vector<double> places;
    if (samples_)
        for (const long long gap : samples_->gaps())
            if (gap > from && gap < to)
                places.push_back(static_cast<double>(gap) - 0.5 - offset);
    gaps_->set_places(std::move(places));
}

void StripChart::show_screen_width()
{
    set_x_home(QCPRange(0, points_per_screen() - 1));
}

long long StripChart::screen_first() const
{
    return samples_ ? screen_.first(*samples_) : 0;
}

std::pair<long long, long long> StripChart::shown_samples() const
{
    if (!has_samples())
        return {0, 0};
    const QCPRange shown = plot()->xAxis->range();
    const long long from = std::max(samples_->first(), static_cast<long long>(std::ceil(shown.lower)) + x_offset());
    const long long to = std::min(samples_end(), static_cast<long long>(std::floor(shown.upper)) + x_offset() + 1);
    return {from, std::max(from, to)};
}

long long StripChart::x_offset() const
{
    return home() ? screen_first() : offset_;
}

bool StripChart::eventFilter(QObject* watched, QEvent* event)
{
    const auto* mouse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
                            ? static_cast<QMouseEvent*>(event)
                            : nullptr;
    if (mouse && mouse->button() == Qt::LeftButton) {
        dragging_ = event->type() == QEvent::MouseButtonPress;
        if (!dragging_ && follow_on_release_ && !home() && pinned_)
            follow();
        follow_on_release_ = false;
    }
    return Chart::eventFilter(watched, event);
}

QCPRange StripChart::kept_x() const
{
    const double newest = newest_x();
    const auto first = static_cast<double>(samples_->first() - offset_);
    return {std::min(first, newest - (points_per_screen() - 1)), newest};
}

bool StripChart::screen_width(const QCPRange& range) const
{
    const double screen = points_per_screen() - 1;
    return std::abs(range.size() - screen) <= 1e-9 * screen;
}

bool StripChart::at_newest(const QCPRange& range) const
{
    const int pixels = std::max(1, plot()->axisRect()->width());
    return range.upper >= newest_x() - std::max(0.5, kEdgePixels * range.size() / pixels);
}

void StripChart::pin()
{
    const double width = plot()->xAxis->range().size();
    show_x(QCPRange(newest_x() - width, newest_x()));
}

void StripChart::show_off_screen()
{
    plot()->xAxis->setLabel(pinned_ ? translated(tr_text("Chart", "Time of day (following)"))
                                    : translated(tr_text("Chart", "Time of day (looking back)")));
    time_label_ = true;
    plot()->setAccessibleDescription(screen_description_ + QLatin1Char(' ') + plot()->xAxis->label());
    follow_button_->setVisible(!pinned_);
    place_follow_button();
}

void StripChart::place_follow_button()
{
    if (follow_button_->isHidden())
        return;
    const QRect axes = plot()->axisRect()->rect();
    follow_button_->adjustSize();
    follow_button_->move(axes.right() - follow_button_->width() - kButtonMargin, axes.top() + kButtonMargin);
}

// Moving off the screen keeps the x range: the screen's points are the
// newest samples, numbered as they are kept, and the axis tells their
// times. The view stays over the samples kept. A view whose right edge the
// operator brings to the newest sample follows it at its width; panned
// there at the screen's width, it is the screen again, a drag once it lets go.
void StripChart::x_moved_by_operator(QCPRange now, QCPRange before, bool first)
{
    if (first) {
        offset_ = screen_first();
        ticker_->set_offset(offset_);
        ticker_->set_times(samples_);
        screen_description_ = plot()->accessibleDescription();
        // Off the screen every redraw is whole: a buffer of the lines' own
        // would only cost clearing and laying over the rest.
        lines_->setMode(QCPLayer::lmLogical);
    }
    QCPRange shown = now;
    pinned_ = false;
    if (has_samples()) {
        const QCPRange kept = kept_x();
        if (shown.size() >= kept.size())
            shown = kept;
        else if (shown.lower < kept.lower)
            shown = QCPRange(kept.lower, kept.lower + now.size());
        else if (shown.upper > kept.upper)
            shown = QCPRange(kept.upper - now.size(), kept.upper);
        pinned_ = at_newest(shown);
        if (pinned_)
            shown = QCPRange(newest_x() - shown.size(), newest_x());
        if (shown != now)
            show_x(shown);
    }
    show_off_screen();
    const bool panned = std::abs(now.size() - before.size()) <= 1e-9 * before.size();
    if (!pinned_ || !panned || !screen_width(shown))
        return;
    if (dragging_)
        follow_on_release_ = true;
    else
        follow();
}

void StripChart::x_returned()
{
    if (time_label_) {
        time_label_ = false;
        ticker_->set_offset(0);
        ticker_->set_times(nullptr);
        plot()->xAxis->setLabel(file_x_label_);
        plot()->setAccessibleDescription(screen_description_);
    }
    pinned_ = false;
    follow_button_->hide();
    follow_on_release_ = false;
    lines_->setMode(QCPLayer::lmBuffered);
    show_points();
}

}  // namespace telvar::detail
