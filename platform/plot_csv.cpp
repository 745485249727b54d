// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plot_csv.h"

#include "platform/csv_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>

namespace telvar::detail {

namespace {

constexpr double kEmpty = std::numeric_limits<double>::quiet_NaN();

void append_number(std::string& line, double value)
{
    if (std::isnan(value))
        return;
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    line.append(digits, written.ptr);
}

// A plot's y values by x, each x with its points in the plot's order.
std::map<double, std::vector<double>> by_x(const CsvPlot& plot)
{
    std::map<double, std::vector<double>> points;
    const std::size_t count = std::min(plot.x.size(), plot.y.size());
    for (std::size_t k = 0; k < count; ++k)
        if (!std::isnan(plot.x[k]))
            points[plot.x[k]].push_back(plot.y[k]);
    return points;
}

}  // namespace

std::string columns_csv(const std::vector<CsvColumn>& columns)
{
    std::vector<std::string> names;
    std::size_t rows = 0;
    for (const CsvColumn& column : columns) {
        names.push_back(column.name);
        rows = std::max(rows, column.values.size());
    }
    std::string text = CsvRow(names);
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c)
                text += ',';
            const std::vector<double>& values = columns[c].values;
            append_number(text, r < values.size() ? values[r] : kEmpty);
        }
        text += "\r\n";
    }
    return text;
}

std::string plots_csv(const std::string& x_name, const std::vector<CsvPlot>& plots)
{
    std::vector<std::map<double, std::vector<double>>> points;
    std::map<double, std::size_t> rows_at;  // every x, with the rows it takes
    for (const CsvPlot& plot : plots) {
        points.push_back(by_x(plot));
        for (const auto& [x, ys] : points.back())
            rows_at[x] = std::max(rows_at[x], ys.size());
    }

    std::vector<CsvColumn> columns(plots.size() + 1);
    columns[0].name = x_name;
    for (std::size_t p = 0; p < plots.size(); ++p)
        columns[p + 1].name = plots[p].name;
    for (const auto& [x, rows] : rows_at) {
        for (std::size_t r = 0; r < rows; ++r) {
            columns[0].values.push_back(x);
            for (std::size_t p = 0; p < plots.size(); ++p) {
                const auto at = points[p].find(x);
                const bool has = at != points[p].end() && r < at->second.size();
                columns[p + 1].values.push_back(has ? at->second[r] : kEmpty);
            }
        }
    }
    return columns_csv(columns);
}

}  // namespace telvar::detail
