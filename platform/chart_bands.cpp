// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_bands.h"

#include "platform/trace_graph.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace telvar::detail {

namespace {

struct RowRun {
    int begin;
    int end;
};

// One trace's band, clipped to the axes, and how far along it a pass has come.
struct Fill {
    std::vector<BandColumn> columns;  // left to right
    int width;
    quint32 colour;
    std::size_t next = 0;  // the first column that may still cover the pass's pixel column
};

// The rows of one pixel column that traces drawn later, on top, already
// cover: sorted, apart from each other.
class Covered {
public:
    void clear() { rows_.clear(); }

    // Visits the rows of `rows` not yet covered, then covers them.
    template <typename Visit>
    void cover(RowRun rows, Visit visit)
    {
        int from = rows.begin;
        auto at = std::lower_bound(rows_.begin(), rows_.end(), rows.begin,
                                   [](const RowRun& r, int y) { return r.end < y; });
        const auto first = at;
        for (; at != rows_.end() && at->begin <= rows.end; ++at) {
            if (from < at->begin)
                visit(RowRun{from, at->begin});
            from = std::max(from, at->end);
        }
        if (from < rows.end)
            visit(RowRun{from, rows.end});
        // The covered runs it touches merge into one.
        const RowRun merged{first != at ? std::min(rows.begin, first->begin) : rows.begin,
                          first != at ? std::max(rows.end, (at - 1)->end) : rows.end};
        rows_.insert(rows_.erase(first, at), merged);
    }

    // Visits the rows of `rows` that nothing covers.
    template <typename Visit>
    void uncovered(RowRun rows, Visit visit) const
    {
        int from = rows.begin;
        for (const RowRun& r : rows_) {
            if (from < r.begin)
                visit(RowRun{from, std::min(r.begin, rows.end)});
            from = std::max(from, r.end);
        }
        if (from < rows.end)
            visit(RowRun{from, rows.end});
    }

private:
    std::vector<RowRun> rows_;
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

// Pixel column by pixel column, the traces from the one drawn last: each
// pixel is written once, with the colour of the trace on top, however many
// bands overlap there.
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
        Fill fill{{}, band->width, qPremultiply(trace->pen().color().rgba())};
        for (BandColumn c : band->columns) {
            c.top = std::max(c.top, area.top());
            c.bottom = std::min(c.bottom, area.bottom() + 1);
            if (c.top >= c.bottom || c.x + band->width <= area.left() || c.x > area.right())
                continue;
            top = std::min(top, c.top);
            bottom = std::max(bottom, c.bottom);
            fill.columns.push_back(c);
        }
        fills.push_back(std::move(fill));
    }
    if (top >= bottom)
        return;
    if (image_.size() != area.size())
        image_ = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    quint32* const pixels = reinterpret_cast<quint32*>(image_.bits());
    const qsizetype line = image_.bytesPerLine() / 4;
    Covered covered;
    for (int x = area.left(); x <= area.right(); ++x) {
        quint32* const column = pixels - static_cast<qsizetype>(area.top()) * line + (x - area.left());
        const auto paint = [column, line](RowRun rows, quint32 colour) {
            for (int y = rows.begin; y < rows.end; ++y)
                column[y * line] = colour;
        };
        covered.clear();
        for (auto fill = fills.rbegin(); fill != fills.rend(); ++fill) {
            while (fill->next < fill->columns.size() && fill->columns[fill->next].x + fill->width <= x)
                ++fill->next;
            for (std::size_t k = fill->next; k < fill->columns.size() && fill->columns[k].x <= x; ++k)
                covered.cover({fill->columns[k].top, fill->columns[k].bottom},
                              [&paint, colour = fill->colour](RowRun rows) { paint(rows, colour); });
        }
        covered.uncovered({top, bottom}, [&paint](RowRun rows) { paint(rows, 0); });
    }
    painter->save();
    painter->setWorldTransform(to_device.inverted() * painter->worldTransform());
    const QRect drawn(area.left(), top, area.width(), bottom - top);
    painter->drawImage(drawn.topLeft(), image_, drawn.translated(-area.topLeft()));
    painter->restore();
}

}  // namespace telvar::detail
