// SPDX-License-Identifier: GPL-3.0-or-later
// A trace of the strip chart. Where its line has more points than the axis
// has pixels, as an hour looked back over has, each pixel column is filled
// from its highest point to its lowest as one rectangle as wide as the pen,
// in whole device pixels: the raster painter fills those at memory speed,
// while it strokes a wide line up and down every column slowly. Points
// further apart than a column are joined by a line. Internal to the platform
// layer.
#pragma once

#include <qcustomplot.h>

namespace telvar::detail {

class TraceGraph : public QCPGraph {
public:
    using QCPGraph::QCPGraph;

protected:
    void drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const override;
};

}  // namespace telvar::detail
