// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_gaps.h"

#include "platform/translation.h"

namespace telvar::detail {

namespace {

const QColor kGapColour(0x70, 0x70, 0x70);
constexpr int kLabelMargin = 3;

}  // namespace

ChartGaps::ChartGaps(QCustomPlot* plot, QCPLayer* layer) : QCPLayerable(plot)
{
    setLayer(layer);
}

QRect ChartGaps::clipRect() const
{
    return parentPlot()->axisRect()->rect();
}

void ChartGaps::draw(QCPPainter* painter)
{
    const QCPAxis* x = parentPlot()->xAxis;
    const QRect axes = clipRect();
    painter->setPen(QPen(kGapColour, 1, Qt::DotLine));
    painter->setFont(parentPlot()->font());
    const QString gap = QString::fromUtf8(tr_text("Chart", "gap"));
    const int label_width = painter->fontMetrics().horizontalAdvance(gap) + 2 * kLabelMargin;
    double free_from = axes.left();  // where the next label fits
    for (const double place : places_) {
        const double at = x->coordToPixel(place);
        if (at < axes.left() || at > axes.right())
            continue;
        painter->drawLine(QLineF(at, axes.top(), at, axes.bottom()));
        if (at >= free_from && at + label_width <= axes.right()) {
            painter->drawText(QRectF(at + kLabelMargin, axes.top() + kLabelMargin, label_width, axes.height()),
                              Qt::AlignLeft | Qt::AlignTop, gap);
            free_from = at + label_width;
        }
    }
}

}  // namespace telvar::detail
