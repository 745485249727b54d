// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stats_text.h"

#include "stats/figure_rows.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace telvar::cli {

namespace {


// The shortest text that reads back as the same double.
std::string json_number(const std::optional<double>& value)
{
    if (!value)
        return "null";
    char text[32];
    const auto [end, fault] = std::to_chars(text, text + sizeof text, *value);
    return std::string(text, end);
}

std::string channel_json(const Figures& f)
{
    std::string json = "{\"n\":" + std::to_string(f.n) + ",\"mean\":" + json_number(f.mean)
                       + ",\"sigma\":" + json_number(f.sigma) + ",\"min\":" + json_number(f.min)
                       + ",\"max\":" + json_number(f.max) + ",\"range\":" + json_number(f.range)
                       + ",\"lower\":" + json_number(f.lower) + ",\"upper\":" + json_number(f.upper)
                       + ",\"cp\":" + json_number(f.cp) + ",\"cpk\":" + json_number(f.cpk)
                       + ",\"outside\":" + std::to_string(f.outside)
                       + ",\"outside_percent\":" + json_number(f.outside_percent)
                       + ",\"limits_changed\":" + (f.limits_changed ? "true" : "false");
    // The reasons are the figures' own texts, without quotes or backslashes.
    if (!f.reason.empty())
        json += ",\"reason\":\"" + f.reason + "\"";
    return json + "}";
}

// Pads by characters, not bytes: "–" is three bytes wide in UTF-8.
std::string padded_cell(const std::string& text, std::size_t width)
{
    const std::size_t shown = text == NO_FIGURE ? 1 : text.size();
    return text + std::string(width > shown ? width - shown : 0, ' ');
}

std::string table_line(std::string row)
{
    row.erase(row.find_last_not_of(' ') + 1);
    return row + "\n";
}

}  // namespace

std::string stats_json(const ChannelFigures& figures)
{
    std::string json = "{";
    for (int channel = 0; channel < RECORDING_CHANNELS; ++channel)
        json += std::string(channel ? "," : "") + "\"" + STAT_CHANNELS[channel].key + "\":" + channel_json(figures[channel]);
    return json + "}\n";
}

std::string stats_table(const ChannelFigures& figures)
{
    constexpr std::size_t FIRST = 11;
    constexpr std::size_t COLUMN = 14;
    std::string heading = padded_cell("", FIRST);
    for (const StatChannel& channel : STAT_CHANNELS)
        heading += padded_cell(channel.key, COLUMN);
    std::string table = table_line(heading);
    for (const FigureRow& row : FIGURE_ROWS) {
        std::string cells = padded_cell(row.key, FIRST);
        for (const Figures& f : figures)
            cells += padded_cell(row.text(f), COLUMN);
        table += table_line(cells);
    }
    for (int channel = 0; channel < RECORDING_CHANNELS; ++channel) {
        if (!figures[channel].reason.empty())
            table += std::string(STAT_CHANNELS[channel].key) + ": " + NO_FIGURE + " " + figures[channel].reason + "\n";
        if (figures[channel].limits_changed)
            table += std::string(STAT_CHANNELS[channel].key) + ": the limits changed; the last are used\n";
    }
    return table;
}

}  // namespace telvar::cli
