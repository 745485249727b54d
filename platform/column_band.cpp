// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/column_band.h"

#include <algorithm>
#include <vector>

namespace telvar::detail {

namespace {

// Rows run across the band where they are fewer than this share of the
// column fills: a row costs about as much as a few short fills.
constexpr long long kFillsPerRow = 8;

struct Rows {
    int begin;
    int end;
};

bool adjoins(const BandColumn& left, const BandColumn& right)
{
    return right.x == left.x + 1;
}

// The rows of `rows` outside `cut`: up to two runs.
template <typename Visit>
void rows_outside(Rows rows, Rows cut, Visit visit)
{
    if (cut.begin >= cut.end) {
        visit(rows);
        return;
    }
    if (rows.begin < std::min(rows.end, cut.begin))
        visit(Rows{rows.begin, std::min(rows.end, cut.begin)});
    if (std::max(rows.begin, cut.end) < rows.end)
        visit(Rows{std::max(rows.begin, cut.end), rows.end});
}

Rows rows_of(const BandColumn& c)
{
    return {c.top, c.bottom};
}

// The rows each column adds to the one it adjoins: where a row starts.
long long row_starts(std::span<const BandColumn> columns)
{
    long long starts = 0;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const Rows before = k > 0 && adjoins(columns[k - 1], columns[k]) ? rows_of(columns[k - 1]) : Rows{0, 0};
        rows_outside(rows_of(columns[k]), before, [&starts](Rows r) { starts += r.end - r.begin; });
    }
    return starts;
}

QVector<QRect> column_rects(std::span<const BandColumn> columns, int width)
{
    QVector<QRect> rects;
    rects.reserve(static_cast<qsizetype>(columns.size()));
    for (const BandColumn& c : columns)
        if (c.bottom > c.top)
            rects.append(QRect(c.x, c.top, width, c.bottom - c.top));
    return rects;
}

// Left to right, each row is opened where a column first covers it and
// closed where the next column no longer does; rows closed together that
// opened together make one rectangle.
QVector<QRect> row_rects(std::span<const BandColumn> columns, int width)
{
    int first = columns.front().top;
    int last = columns.front().bottom;
    for (const BandColumn& c : columns) {
        first = std::min(first, c.top);
        last = std::max(last, c.bottom);
    }
    std::vector<int> opened(static_cast<std::size_t>(std::max(0, last - first)));
    QVector<QRect> rects;
    const auto close = [&](Rows rows, int right) {
        for (int y = rows.begin; y < rows.end;) {
            const int left = opened[static_cast<std::size_t>(y - first)];
            const int top = y;
            while (y < rows.end && opened[static_cast<std::size_t>(y - first)] == left)
                ++y;
            rects.append(QRect(left, top, right - left, y - top));
        }
    };
    const auto open = [&](Rows rows, int left) {
        for (int y = rows.begin; y < rows.end; ++y)
            opened[static_cast<std::size_t>(y - first)] = left;
    };
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const BandColumn& c = columns[k];
        Rows before{0, 0};
        if (k > 0) {
            const BandColumn& left = columns[k - 1];
            if (adjoins(left, c)) {
                before = rows_of(left);
                rows_outside(before, rows_of(c), [&](Rows r) { close(r, left.x + width); });
            } else {
                close(rows_of(left), left.x + width);
            }
        }
        rows_outside(rows_of(c), before, [&](Rows r) { open(r, c.x); });
    }
    close(rows_of(columns.back()), columns.back().x + width);
    return rects;
}

}  // namespace

QVector<QRect> band_rects(std::span<const BandColumn> columns, int width)
{
    if (columns.empty())
        return {};
    long long fills = 0;
    for (const BandColumn& c : columns)
        fills += std::max(0, c.bottom - c.top);
    return fills <= kFillsPerRow * row_starts(columns) ? column_rects(columns, width) : row_rects(columns, width);
}

}  // namespace telvar::detail
