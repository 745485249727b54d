// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/figure_rows.h"

#include "platform/translation.h"

#include <algorithm>
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

const char* shown_label(const FigureRow& row)
{
    return tr_text("Statistics", row.label);
}

const char* shown_label(const StatChannel& channel)
{
    return tr_text("Statistics", channel.label);
}

std::string shown_causes(const std::string& reason, const char* (*shown)(const char* cause))
{
    std::string text;
    for (std::size_t from = 0; from < reason.size();) {
        const std::size_t end = std::min(reason.find("; ", from), reason.size());
        const std::string cause = reason.substr(from, end - from);
        text += (from == 0 ? "" : "; ") + std::string(shown(cause.c_str()));
        from = end + 2;
    }
    return text;
}

std::string shown_reason(const std::string& reason)
{
    return shown_causes(reason, [](const char* cause) { return tr_text("Statistics", cause); });
}

const FigureRow FIGURE_ROWS[12] = {
    {"n", "n", [](const Figures& f) { return std::to_string(f.n); }},
    {"mean", TR_NOOP("Statistics", "Mean"), [](const Figures& f) { return figure_text("%.3f", f.mean); }},
    {"sigma", TR_NOOP("Statistics", "Sigma"), [](const Figures& f) { return figure_text("%.3f", f.sigma); }},
    {"min", TR_NOOP("Statistics", "Min"), [](const Figures& f) { return figure_text("%g", f.min); }},
    {"max", TR_NOOP("Statistics", "Max"), [](const Figures& f) { return figure_text("%g", f.max); }},
    {"range", TR_NOOP("Statistics", "Range"), [](const Figures& f) { return figure_text("%g", f.range); }},
    {"lower", TR_NOOP("Statistics", "Lower"), [](const Figures& f) { return figure_text("%g", f.lower); }},
    {"upper", TR_NOOP("Statistics", "Upper"), [](const Figures& f) { return figure_text("%g", f.upper); }},
    {"cp", "Cp", [](const Figures& f) { return figure_text("%.3f", f.cp); }},
    {"cpk", "Cpk", [](const Figures& f) { return figure_text("%.3f", f.cpk); }},
    {"outside", TR_NOOP("Statistics", "Outside"), [](const Figures& f) { return std::to_string(f.outside); }},
    {"outside %", TR_NOOP("Statistics", "Outside %"),
     [](const Figures& f) { return figure_text("%.2f", f.outside_percent); }},
};

}  // namespace telvar
