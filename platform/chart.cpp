// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart.h"
#include "platform/shown_text.h"

#include "platform/graph.h"
#include "platform/userint.h"

#include <algorithm>

namespace telvar::detail {

namespace {

// Room above and below the lines fitted, as a share of their span, and at
// least half a unit, so that a flat line is not drawn on the border.
constexpr double kFitMargin = 0.05;
constexpr double kFitMinimumMargin = 0.5;

}  // namespace

Chart::Chart(QCustomPlot* plot)
    : QObject(plot), plot_(plot), x_{plot->xAxis, plot->xAxis->range()}, y_{plot->yAxis, plot->yAxis->range()}
{
    plot->installEventFilter(this);
    connect(plot, &QCustomPlot::afterReplot, this, [this] { whole_due_ = false; });
    watch_operator(x_);
    watch_operator(y_);
}

int Chart::set_scaling(int axis, int mode, double min, double max)
{
    AxisView* view = axis == VAL_XAXIS ? &x_ : axis == VAL_LEFT_YAXIS ? &y_ : nullptr;
    if (!view || (mode == VAL_MANUAL && !(min < max)) || (mode != VAL_MANUAL && mode != VAL_AUTOSCALE))
        return UIE_BAD_ATTRIBUTE;
    view->autoscale = mode == VAL_AUTOSCALE;
    if (mode == VAL_MANUAL)
        view->home = QCPRange(min, max);
    if (!view->moved)
        show_home(*view);
    redraw(false);
    return 0;
}

void Chart::redraw(bool now)
{
    for (AxisView* view : {&x_, &y_})
        if (view->autoscale && !view->moved)
            show_home(*view);
    whole_due_ = true;
    if (plot_->isVisible())
        plot_->replot(now ? QCustomPlot::rpImmediateRefresh : QCustomPlot::rpQueuedReplot);
}

void Chart::redraw_lines(QCPLayer* lines)
{
    const bool rescaled = (x_.autoscale && !x_.moved) || (y_.autoscale && !y_.moved);
    if (whole_due_ || rescaled || !plot_->isVisible()) {
        redraw(true);
        return;
    }
    lines->replot();
    plot_->repaint();
}

void Chart::reset_view()
{
    y_.moved = false;
    show_home(y_);
    return_x();
}

void Chart::fit_y()
{
    bool found = false;
    QCPRange span;
    for (int k = 0; k < plot_->plottableCount(); ++k) {
        const QCPAbstractPlottable* line = plot_->plottable(k);
        bool has = false;
        const QCPRange range =
            line->visible() ? line->getValueRange(has, QCP::sdBoth, plot_->xAxis->range()) : QCPRange();
        if (!has)
            continue;
        if (found)
            span.expand(range);
        else
            span = range;
        found = true;
    }
    if (!found)
        return;
    const double margin = std::max(span.size() * kFitMargin, kFitMinimumMargin);
    plot_->yAxis->setRange(span.lower - margin, span.upper + margin);
    redraw(true);
}

bool Chart::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        whole_due_ = true;  // the plot lays itself out again at its next replot
    if (event->type() == QEvent::Show && whole_due_)
        plot_->replot(QCustomPlot::rpRefreshHint);
    return false;
}

void Chart::set_x_home(const QCPRange& range)
{
    x_.home = range;
    if (!x_.moved)
        show_home(x_);
}

void Chart::return_x()
{
    x_.moved = false;
    show_home(x_);
    x_returned();
    redraw(true);
}

QString Chart::text_of(const std::string& bytes)
{
    return detail::shown_text(bytes.c_str());
}

// A range the chart did not set itself was set by the operator.
void Chart::watch_operator(AxisView& view)
{
    connect(view.axis, qOverload<const QCPRange&, const QCPRange&>(&QCPAxis::rangeChanged), this,
            [this, &view](const QCPRange& now, const QCPRange& before) {
                if (setting_range_)
                    return;
                const bool first = !view.moved;
                view.moved = true;
                if (&view == &x_)
                    x_moved_by_operator(now, before, first);
            });
}

void Chart::show_home(AxisView& view)
{
    if (view.autoscale) {
        setting_range_ = true;
        view.axis->rescale(true);
        setting_range_ = false;
        return;
    }
    set_range(view.axis, view.home);
}

void Chart::set_range(QCPAxis* axis, const QCPRange& range)
{
    setting_range_ = true;
    axis->setRange(range);
    setting_range_ = false;
}

}  // namespace telvar::detail
