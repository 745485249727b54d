// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/figure_rows.h"

#include <cstdio>
#include <optional>

namespace telvar {

namespace {

std::string figure_text(const char* format, const std::optional<double>& value)
{
    if (!value)
        return NO_FIGURE;
    char text[64];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

}  // namespace

const FigureRow FIGURE_ROWS[12] = {
    {"n", "n", [](const Figures& f) { return std::to_string(f.n); }},
    {"mean", "Mean", [](const Figures& f) { return figure_text("%.3f", f.mean); }},
    {"sigma", "Sigma", [](const Figures& f) { return figure_text("%.3f", f.sigma); }},
    {"min", "Min", [](const Figures& f) { return figure_text("%g", f.min); }},
    {"max", "Max", [](const Figures& f) { return figure_text("%g", f.max); }},
    {"range", "Range", [](const Figures& f) { return figure_text("%g", f.range); }},
    {"lower", "Lower", [](const Figures& f) { return figure_text("%g", f.lower); }},
    {"upper", "Upper", [](const Figures& f) { return figure_text("%g", f.upper); }},
    {"cp", "Cp", [](const Figures& f) { return figure_text("%.3f", f.cp); }},
    {"cpk", "Cpk", [](const Figures& f) { return figure_text("%.3f", f.cpk); }},
    {"outside", "Outside", [](const Figures& f) { return std::to_string(f.outside); }},
    {"outside %", "Outside %", [](const Figures& f) { return figure_text("%.2f", f.outside_percent); }},
};

}  // namespace telvar
