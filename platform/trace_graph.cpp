// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/trace_graph.h"

#include "platform/column_band.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace telvar::detail {

namespace {

struct Band {
    std::vector<BandColumn> columns;
    QVector<QLineF> joins;
};

// `points` in device pixels, left to right; each column from its highest
// point to its lowest and to where the line enters it, widened by the pen.
Band band_of(const QPolygonF& points, int width)
{
    Band band;
    const auto row = [width](double y, double side) {
        return static_cast<int>(std::lround(y + side * width / 2.0));
    };
    auto at = points.cbegin();
    double previous = at->y();
    while (at != points.cend()) {
        const double column = std::floor(at->x());
        double top = previous;
        double bottom = previous;
        auto last = at;
        do {
            top = std::min(top, at->y());
            bottom = std::max(bottom, at->y());
            last = at++;
        } while (at != points.cend() && std::floor(at->x()) == column);
        band.columns.push_back({static_cast<int>(column), row(top, -1), std::max(row(bottom, 1), row(top, -1) + 1)});
        previous = last->y();
        if (at != points.cend() && std::floor(at->x()) > column + 1) {
            band.joins.append(QLineF(*last, *at));
            previous = at->y();
        }
    }
    return band;
}

}  // namespace

void TraceGraph::drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const
{
    const QTransform to_device = painter->deviceTransform();
    const double scale = to_device.m11();
    if (to_device.type() > QTransform::TxScale || lines.size() <= keyAxis()->axisRect()->width() * scale) {
        QCPGraph::drawLinePlot(painter, lines);
        return;
    }
    const int width = std::max(1, static_cast<int>(std::lround(pen().widthF() * scale)));
    const Band band = band_of(to_device.map(QPolygonF(lines)), width);
    QPen join = pen();
    join.setWidth(width);
    painter->save();
    // Device pixels, so that the rectangles take the painter's fast path.
    painter->setWorldTransform(to_device.inverted() * painter->worldTransform());
    painter->setPen(Qt::NoPen);
    painter->setBrush(pen().color());
    painter->drawRects(band_rects(band.columns, width));
    painter->setPen(join);
    painter->setBrush(Qt::NoBrush);
    painter->drawLines(band.joins);
    painter->restore();
}

}  // namespace telvar::detail
