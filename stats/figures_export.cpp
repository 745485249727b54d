// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/figures_export.h"

#include "platform/translation.h"
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

// `shown`: in the window's words, for the operator; otherwise English, for
// a program that reads the file.
std::string table(const ChannelFigures& figures, const std::string& window, char separator, const char* end,
                  bool shown)
{
    std::string text = cell(window, separator);
    for (const StatChannel& channel : STAT_CHANNELS)
        text += separator + cell(shown ? shown_label(channel) : channel.label, separator);
    text += end;
    for (const FigureRow& row : FIGURE_ROWS) {
        text += cell(shown ? shown_label(row) : row.label, separator);
        for (const Figures& f : figures)
            text += separator + cell(row.text(f), separator);
        text += end;
    }
    bool any_reason = false;
    std::string reasons = cell(shown ? tr_text("Statistics", "Why no value") : "Why no value", separator);
    for (const Figures& f : figures) {
        reasons += separator + cell(shown ? shown_reason(f.reason) : f.reason, separator);
        any_reason = any_reason || !f.reason.empty();
    }
    return any_reason ? text + reasons + end : text;
}

}  // namespace

std::string figures_text(const ChannelFigures& figures, const std::string& window)
{
    return table(figures, window, '\t', "\n", true);
}

std::string figures_csv(const ChannelFigures& figures, const std::string& window)
{
    return table(figures, window, ',', "\r\n", false);
}

}  // namespace telvar
