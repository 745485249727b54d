// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/edge_curve.h"

#include <algorithm>
#include <utility>

namespace telvar::detail {

namespace {

// Room between an edge and its label, in pixels.
constexpr double kLabelGap = 4;

}  // namespace

QCPRange EdgeCurve::getValueRange(bool& foundRange, QCP::SignDomain inSignDomain, const QCPRange& inKeyRange) const
{
    if (edge_text_.isEmpty())
        return QCPCurve::getValueRange(foundRange, inSignDomain, inKeyRange);
    foundRange = false;
    return {};
}

void EdgeCurve::draw(QCPPainter* painter)
{
    if (edge_text_.isEmpty()) {
        QCPCurve::draw(painter);
        return;
    }
    const QCPCurveDataContainer& points = *data();
    const QCPAxis* x = keyAxis();
    const QCPAxis* y = valueAxis();
    const QRect room = clipRect();
    painter->setFont(mParentPlot->font());
    const QFontMetricsF metrics(painter->font());
    const double lowest_top = std::max(double(room.top()), room.bottom() - metrics.height());
    const double label_width = metrics.horizontalAdvance(edge_text_);
    double before = 0;  // the steps start from 0
    for (auto point = points.constBegin(); point != points.constEnd(); ++point) {
        const double value = std::exchange(before, point->value);
        if (point->value == value)
            continue;
        const double edge = x->coordToPixel(point->key);
        const double from = y->coordToPixel(value);
        const double to = y->coordToPixel(point->value);
        painter->setPen(pen());
        painter->drawLine(QLineF(edge, from, edge, to));
        // Beside the top end, inside the axes however the view is moved.
        const double top = std::clamp(std::min(from, to), double(room.top()), lowest_top);
        const double left = edge + kLabelGap + label_width <= room.right() ? edge + kLabelGap
                                                                          : edge - kLabelGap - label_width;
        painter->setPen(pen().color());
        painter->drawText(QPointF(left, top + metrics.ascent() + kLabelGap), edge_text_);
    }
}

}  // namespace telvar::detail
