// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_bands.h"

#include "platform/trace_graph.h"

#include <algorithm>
#include <vector>

namespace telvar::detail {

namespace {

// Pixels a strip is wide: 8 of 4 bytes, half a line of the processor's cache.
constexpr int kStrip = 8;

struct Fill {
    QVector<QRect> rects;  // by their left edges
    quint32 colour;
    qsizetype next = 0;        // the first rectangle not yet begun
    std::vector<QRect> begun;  // begun and not yet ended
};

}  // namespace

ChartBands::ChartBands(QCustomPlot* plot, QCPLayer* layer) : QCPLayerable(plot)
{
    moveToLayer(layer, true);
}

QRect ChartBands::clipRect() const
{
    return parentPlot()->axisRect()->rect();
}

void ChartBands::draw(QCPPainter* painter)
{
    if (!bands_layered(painter))
        return;
    const QTransform to_device = painter->deviceTransform();
    const QRect area = to_device.mapRect(QRectF(clipRect())).toAlignedRect();
    std::vector<Fill> fills;
    int top = area.bottom() + 1;
    int bottom = area.top();
    for (int k = 0; k < parentPlot()->plottableCount(); ++k) {
        const auto* trace = dynamic_cast<const TraceGraph*>(parentPlot()->plottable(k));
        if (!trace || trace->layer() != layer() || !trace->realVisibility())
            continue;
        const std::optional<TraceBand> band = trace->band(painter);
        if (!band)
            continue;
        Fill fill{band_rects(band->columns, band->width), qPremultiply(trace->pen().color().rgba()), 0, {}};
        for (QRect& r : fill.rects)
            r = r.intersected(area);
        fill.rects.removeIf([](const QRect& r) { return r.isEmpty(); });
        for (const QRect& r : fill.rects) {
            top = std::min(top, r.top());
            bottom = std::max(bottom, r.bottom() + 1);
        }
        std::sort(fill.rects.begin(), fill.rects.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        fills.push_back(std::move(fill));
    }
    if (top >= bottom)
        return;
    if (image_.size() != area.size())
        image_ = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    // Pixels [from, to) of row y, in the chart's device pixels.
    quint32* const pixels = reinterpret_cast<quint32*>(image_.bits());
    const qsizetype line = image_.bytesPerLine() / 4;
    const auto fill_row = [pixels, line, &area](int y, int from, int to, quint32 colour) {
        quint32* row = pixels + (y - area.top()) * line - area.left();
        std::fill(row + from, row + to, colour);
    };
    for (int y = top; y < bottom; ++y)
        fill_row(y, area.left(), area.right() + 1, 0);
    for (int left = area.left(); left <= area.right(); left += kStrip) {
        const int right = std::min(left + kStrip, area.right() + 1);
        for (Fill& fill : fills) {
            for (; fill.next < fill.rects.size() && fill.rects[fill.next].left() < right; ++fill.next)
                fill.begun.push_back(fill.rects[fill.next]);
            for (const QRect& r : fill.begun) {
                const int from = std::max(left, r.left());
                const int to = std::min(right, r.right() + 1);
                for (int y = r.top(); y <= r.bottom(); ++y)
                    fill_row(y, from, to, fill.colour);
            }
            std::erase_if(fill.begun, [right](const QRect& r) { return r.right() < right; });
        }
    }
    painter->save();
    painter->setWorldTransform(to_device.inverted() * painter->worldTransform());
    const QRect drawn(area.left(), top, area.width(), bottom - top);
    painter->drawImage(drawn.topLeft(), image_, drawn.translated(-area.topLeft()));
    painter->restore();
}

}  // namespace telvar::detail
