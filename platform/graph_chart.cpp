// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/graph_chart.h"

#include "platform/graph.h"
#include "platform/plot_csv.h"
#include "platform/edge_curve.h"
#include "platform/userint.h"

#include <qcustomplot.h>

#include <cmath>

namespace telvar::detail {

int GraphChart::add(const std::vector<double>& x, const std::vector<double>& y, int style, const LineLook& look)
{
    auto* curve = new EdgeCurve(plot()->xAxis, plot()->yAxis);
    curve->setData(QVector<double>(x.begin(), x.end()), QVector<double>(y.begin(), y.end()));
    curve->setPen(pen_of(look));
    curve->setVisible(drawn(look));
    const int handle = plots_.add({curve, look, style, {}});
    redraw(false);
    return handle;
}

int GraphChart::remove(int handle, bool now)
{
    if (handle == -1) {
        for (const auto& [each, p] : plots_)
            plot()->removePlottable(p.curve);
        plots_.clear();
    } else {
        const Plot* p = plots_.find(handle);
        if (!p)
            return UIE_BAD_ATTRIBUTE;
        plot()->removePlottable(p->curve);
        plots_.remove(handle);
    }
    redraw(now);
    return 0;
}

int GraphChart::set_text(int handle, int attribute, const char* text)
{
    Plot* p = plots_.find(handle);
    if (!p || !text)
        return UIE_BAD_ATTRIBUTE;
    switch (attribute) {
    case ATTR_PLOT_LG_TEXT:
        p->name = text;
        p->curve->setName(text_of(text));
        return 0;
    case ATTR_PLOT_SHOWN_TEXT:
        p->curve->setName(text_of(text));
        return 0;
    case ATTR_PLOT_EDGE_TEXT:
        p->curve->set_edge_text(text_of(text));
        redraw(false);
        return 0;
    default: return UIE_BAD_ATTRIBUTE;
    }
}

int GraphChart::get_text(int handle, int attribute, std::string* text) const
{
    const Plot* p = plots_.find(handle);
    if (!p || !text)
        return UIE_BAD_ATTRIBUTE;
    switch (attribute) {
    case ATTR_PLOT_LG_TEXT: *text = p->name; return 0;
    case ATTR_PLOT_EDGE_TEXT: *text = p->curve->edge_text().toLatin1().toStdString(); return 0;
    default: return UIE_BAD_ATTRIBUTE;
    }
}

int GraphChart::get(int handle, int attribute, int* value) const
{
    const Plot* p = plots_.find(handle);
    if (!p || !value)
        return UIE_BAD_ATTRIBUTE;
    switch (attribute) {
    case ATTR_PLOT_COLOR: *value = p->look.colour; return 0;
    case ATTR_PLOT_STYLE: *value = p->style; return 0;
    case ATTR_PLOT_LINE_STYLE: *value = p->look.style; return 0;
    case ATTR_PLOT_POINTS: *value = p->curve->dataCount(); return 0;
    default: return UIE_BAD_ATTRIBUTE;
    }
}

std::vector<int> GraphChart::handles() const
{
    std::vector<int> all;
    for (const auto& [handle, p] : plots_)
        all.push_back(handle);
    return all;
}

std::optional<SampleSpan> GraphChart::cursor_span() const
{
    bool any = false;
    QCPRange keys;
    for (const auto& [handle, p] : plots_) {
        bool found = false;
        const QCPRange range = p.curve->data()->keyRange(found);
        if (!found)
            continue;
        if (any)
            keys.expand(range);
        else
            keys = range;
        any = true;
    }
    const auto first = static_cast<long long>(std::ceil(keys.lower));
    const auto last = static_cast<long long>(std::floor(keys.upper));
    if (!any || first > last)
        return std::nullopt;
    return SampleSpan{first, last};
}

std::string GraphChart::csv() const
{
    std::vector<CsvPlot> columns;
    for (const auto& [handle, p] : plots_) {
        if (!drawn(p.look))
            continue;
        CsvPlot column{p.name, {}, {}};
        for (const QCPCurveData& point : *p.curve->data()) {
            column.x.push_back(point.key);
            column.y.push_back(point.value);
        }
        columns.push_back(std::move(column));
    }
    // UTF-8, as the plots' names are once the window's texts are translated.
    const QString x_label = plot()->xAxis->label();
    return plots_csv(x_label.isEmpty() ? "x" : x_label.toUtf8().toStdString(), columns);
}

}  // namespace telvar::detail
