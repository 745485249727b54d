// SPDX-License-Identifier: GPL-3.0-or-later
// The data of a chart as the text of a CSV file: a header row naming the
// columns, then one row per point. Fields are separated by commas and rows
// end in CR LF; numbers are written in their shortest exact form, a value
// that is not a number as an empty field; a name is quoted when it holds a
// comma, a quote or a line break. Internal to the platform layer.
#pragma once

#include <string>
#include <vector>

namespace telvar::detail {

struct CsvColumn {
    std::string name;
    std::vector<double> values;
};

// Columns side by side; a shorter column leaves its last fields empty.
std::string columns_csv(const std::vector<CsvColumn>& columns);

struct CsvPlot {
    std::string name;
    std::vector<double> x;
    std::vector<double> y;
};

// An x column, then the y of each plot: one row per x of any plot, in
// ascending order. A plot without a point at that x leaves its field empty;
// a plot with several points at one x takes as many rows, in its own order.
// Points whose x is not a number are not drawn, and not written.
std::string plots_csv(const std::string& x_name, const std::vector<CsvPlot>& plots);

}  // namespace telvar::detail
