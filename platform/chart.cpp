// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart.h"

#include "platform/graph.h"
#include "platform/userint.h"

#include <qcustomplot.h>

#include <algorithm>

namespace telvar::detail {

Chart::Chart(QCustomPlot* plot) : QObject(plot), plot_(plot)
{
    plot->installEventFilter(this);
    connect(plot, &QCustomPlot::afterReplot, this, [this] { whole_due_ = false; });
}

int Chart::set_scaling(int axis, int mode, double min, double max)
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

void Chart::redraw(bool now)
{
    rescale();
    whole_due_ = true;
    if (plot_->isVisible())
        plot_->replot(now ? QCustomPlot::rpImmediateRefresh : QCustomPlot::rpQueuedReplot);
}

void Chart::redraw_lines(QCPLayer* lines)
{
    if (whole_due_ || x_auto_ || y_auto_ || !plot_->isVisible()) {
        redraw(true);
        return;
    }
    lines->replot();
    plot_->repaint();
}

bool Chart::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        fit_legend();
        whole_due_ = true;  // the plot lays itself out again at its next replot
    }
    if (event->type() == QEvent::Show && whole_due_)
        plot_->replot(QCustomPlot::rpRefreshHint);
    return false;
}

void Chart::list_in_legend(const std::vector<std::pair<QCPAbstractPlottable*, bool>>& lines)
{
    plot_->legend->clearItems();
    for (const auto& [line, listed] : lines)
        if (listed && !line->name().isEmpty())
            line->addToLegend();
    fit_legend();
}

QString Chart::text_of(const std::string& bytes)
{
    return QString::fromLatin1(bytes.c_str());
}

// As many columns as the widest entry leaves room for.
void Chart::fit_legend()
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

void Chart::rescale()
{
    if (x_auto_)
        plot_->xAxis->rescale(true);
    if (y_auto_)
        plot_->yAxis->rescale(true);
}

}  // namespace telvar::detail
