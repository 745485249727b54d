// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/figures_export.h"

#include "stats/figure_rows.h"

namespace telvar {

namespace {

// A cell that holds the separator or a quote is quoted, its quotes doubled.
std::string cell(const std::string& text, char separator)
{
    if (text.find(separator) == std::string::npos && text.find('"') == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string table(const ChannelFigures& figures, const std::string& window, char separator, const char* end)
{
    std::string text = cell(window, separator);
    for (const StatChannel& channel : STAT_CHANNELS)
        text += separator + cell(channel.label, separator);
    text += end;
    for (const FigureRow& row : FIGURE_ROWS) {
        text += row.label;
        for (const Figures& f : figures)
            text += separator + cell(row.text(f), separator);
        text += end;
    }
    bool any_reason = false;
    std::string reasons = "Why no value";
    for (const Figures& f : figures) {
        reasons += separator + cell(f.reason, separator);
        any_reason = any_reason || !f.reason.empty();
    }
    return any_reason ? text + reasons + end : text;
}

}  // namespace

std::string figures_text(const ChannelFigures& figures, const std::string& window)
{
    return table(figures, window, '\t', "\n");
}

std::string figures_csv(const ChannelFigures& figures, const std::string& window)
{
    return table(figures, window, ',', "\r\n");
}

}  // namespace telvar
