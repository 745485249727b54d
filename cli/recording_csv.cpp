// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/recording_csv.h"

#include "scope/trace_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace telvar::cli {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// The recorder names the live words as below, in STAT_CHANNELS' order, and
// the limits as the chart's traces are named.
constexpr const char* kValueColumns[RECORDING_CHANNELS] = {"channel A", "channel B", "evaluation"};

const char* column_name(int channel, int column)
{
    const StatChannel& traced = STAT_CHANNELS[channel];
    return column == 0 ? kValueColumns[channel] : TRACE_LOOKS[(column == 1 ? traced.lower : traced.upper) - 1].name;
}

std::string_view without_blanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void split(std::string_view line, std::vector<std::string_view>* pieces)
{
    pieces->clear();
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        pieces->push_back(without_blanks(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

bool parse_number(std::string_view text, double* number)
{
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, *number);
    return !text.empty() && fault == std::errc() && stop == end && std::isfinite(*number);
}

// A field as an error shows it: a binary file's bytes would garble the
// terminal, and a long field hide the message.
std::string shown(std::string_view field)
{
    constexpr std::size_t SHOWN_MAX = 32;
    std::string text(field.substr(0, SHOWN_MAX));
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return field.size() > SHOWN_MAX ? text + "..." : text;
}

}  // namespace

bool RecordingCsv::take_header(std::string_view line, std::string* error)
{
    if (line.substr(0, BYTE_ORDER_MARK.size()) == BYTE_ORDER_MARK)
        line.remove_prefix(BYTE_ORDER_MARK.size());
    split(line, &pieces_);
    fields_ = pieces_.size();
    for (int channel = 0; channel < RECORDING_CHANNELS; ++channel) {
        for (int k = 0; k < 3; ++k) {
            const std::string_view name = column_name(channel, k);
            const auto found = std::find(pieces_.begin(), pieces_.end(), name);
            if (found == pieces_.end()) {
                *error = "the header has no column \"" + std::string(name)
                         + "\"; stats reads the CSV of the recorder or of live";
                return false;
            }
            columns_[channel][k] = std::size_t(found - pieces_.begin());
        }
    }
    header_seen_ = true;
    return true;
}

bool RecordingCsv::take(std::string_view line, std::string* error)
{
    ++line_;
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.empty())
        return true;
    if (!header_seen_)
        return take_header(line, error);
    split(line, &pieces_);
    if (pieces_.size() != fields_) {
        *error = "the row has " + std::to_string(pieces_.size()) + " fields, the header "
                 + std::to_string(fields_);
        return false;
    }
    double numbers[RECORDING_CHANNELS][3];
    for (int channel = 0; channel < RECORDING_CHANNELS; ++channel)
        for (int k = 0; k < 3; ++k) {
            const std::size_t column = columns_[channel][k];
            if (!parse_number(pieces_[column], &numbers[channel][k])) {
                *error = "\"" + shown(pieces_[column]) + "\" in the column \"" + column_name(channel, k)
                         + "\" is no number";
                return false;
            }
        }
    for (int channel = 0; channel < RECORDING_CHANNELS; ++channel)
        values_.channels[channel].push_back({numbers[channel][0], numbers[channel][1], numbers[channel][2]});
    return true;
}

}  // namespace telvar::cli
