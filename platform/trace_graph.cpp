// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/trace_graph.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace telvar::detail {

namespace {

// The pixel column of a point. Columns of samples lie a whole pixel apart,
// often on the pixels' edges: rounding noise must not put two in one column
// and leave the next one empty.
double column_of_point(const QPointF& point)
{
    return std::floor(point.x() + 1e-6);
}

// `points` in device pixels, left to right; each column from its highest
// point to its lowest and to where the line enters it, widened by the pen.
// A point without a value breaks the line: nothing joins across it.
TraceBand band_from(const QPolygonF& points, int width)
{
    TraceBand band{{}, {}, width};
    const auto row = [width](double y, double side) {
        return static_cast<int>(std::lround(y + side * width / 2.0));
    };
    const auto valid = [](const QPointF& p) { return !std::isnan(p.y()) && !std::isnan(p.x()); };
    auto at = std::find_if(points.cbegin(), points.cend(), valid);
    double previous = at != points.cend() ? at->y() : 0;
    while (at != points.cend()) {
        const double column = column_of_point(*at);
        double top = previous;
        double bottom = previous;
        auto last = at;
        do {
            top = std::min(top, at->y());
            bottom = std::max(bottom, at->y());
            last = at++;
        } while (at != points.cend() && valid(*at) && column_of_point(*at) == column);
        band.columns.push_back({static_cast<int>(column), row(top, -1), std::max(row(bottom, 1), row(top, -1) + 1)});
        previous = last->y();
        if (at != points.cend() && !valid(*at)) {
            at = std::find_if(at, points.cend(), valid);
            if (at != points.cend())
                previous = at->y();
        } else if (at != points.cend() && column_of_point(*at) > column + 1) {
            band.joins.append(QLineF(*last, *at));
            previous = at->y();
        }
    }
    return band;
}

}  // namespace

bool bands_layered(const QCPPainter* painter)
{
    const int type = painter->device()->devType();
    return type == QInternal::Pixmap || type == QInternal::Image;
}

std::optional<TraceBand> TraceGraph::band(const QCPPainter* painter) const
{
    const QTransform to_device = painter->deviceTransform();
    // Fewer points than pixels: a line, whatever getLines makes of them.
    if (dataCount() <= keyAxis()->axisRect()->width() * to_device.m11())
        return std::nullopt;
    QVector<QPointF> lines;
    getLines(&lines, QCPDataRange(0, dataCount()));
    return band_of(painter, lines);
}

std::optional<TraceBand> TraceGraph::band_of(const QCPPainter* painter, const QVector<QPointF>& lines) const
{
    const QTransform to_device = painter->deviceTransform();
    const double scale = to_device.m11();
    if (to_device.type() > QTransform::TxScale || lines.size() <= keyAxis()->axisRect()->width() * scale)
        return std::nullopt;
    const int width = std::max(1, static_cast<int>(std::lround(pen().widthF() * scale)));
    return band_from(to_device.map(QPolygonF(lines)), width);
}

void TraceGraph::drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const
{
    const std::optional<TraceBand> band = band_of(painter, lines);
    if (!band) {
        QCPGraph::drawLinePlot(painter, lines);
        return;
    }
    QPen join = pen();
    join.setWidth(band->width);
    painter->save();
    // Device pixels, so that the rectangles take the painter's fast path.
    painter->setWorldTransform(painter->deviceTransform().inverted() * painter->worldTransform());
    if (!bands_layered(painter)) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(pen().color());
        painter->drawRects(band_rects(band->columns, band->width));
    }
    painter->setPen(join);
    painter->setBrush(Qt::NoBrush);
    painter->drawLines(band->joins);
    painter->restore();
}

}  // namespace telvar::detail
