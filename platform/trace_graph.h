// SPDX-License-Identifier: GPL-3.0-or-later
// A trace of the strip chart. Where its line has more points than the axis
// has pixels, as an hour looked back over has, it is drawn as a band: each
// pixel column filled from its highest point to its lowest, as wide as the
// pen, in whole device pixels, and points further apart than a column joined
// by a line. On a screen or an image the chart's band layer fills the bands
// of all its traces at once (see chart_bands.h); on other devices, a PDF
// file, the trace fills its band itself as rectangles. Internal to the
// platform layer.
#pragma once

#include "platform/column_band.h"

#include <qcustomplot.h>

#include <optional>
#include <vector>

namespace telvar::detail {

struct TraceBand {
    std::vector<BandColumn> columns;  // left to right, in device pixels
    QVector<QLineF> joins;            // in device pixels
    int width;                        // of a column, in device pixels
};

class TraceGraph : public QCPGraph {
public:
    using QCPGraph::QCPGraph;

    // The band the line is drawn as on this painter; none when it is drawn as a line.
    std::optional<TraceBand> band(const QCPPainter* painter) const;

protected:
    void drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const override;

private:
    std::optional<TraceBand> band_of(const QCPPainter* painter, const QVector<QPointF>& lines) const;
};

// Whether the chart's band layer fills the bands on this painter's device.
bool bands_layered(const QCPPainter* painter);

}  // namespace telvar::detail
