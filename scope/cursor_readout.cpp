// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/cursor_readout.h"

#include "platform/translation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace telvar {

namespace {

constexpr int kValueWidth = 10;

// To `places` decimals; a difference with its sign, but none on nothing.
std::string fixed_text(double value, int places, bool signed_)
{
    char text[48];
    std::snprintf(text, sizeof text, signed_ ? "%+.*f" : "%.*f", places, value);
    std::string s = text;
    if (signed_ && s.find_first_not_of("+-0.") == std::string::npos)
        s.erase(0, 1);
    return s;
}

// Whole numbers as they are, others to three places: the controller's words
// are whole, computed traces need not be.
std::string number_text(double value, bool signed_)
{
    const bool whole = std::abs(value - std::round(value)) < 1e-9;
    return fixed_text(whole ? std::round(value) : value, whole ? 0 : 3, signed_);
}

// The characters a column takes: a German name's umlauts are two bytes each.
std::size_t width_of(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(const std::string& text, std::size_t width, bool right)
{
    const std::size_t has = width_of(text);
    if (has >= width)
        return text;
    const std::string room(width - has, ' ');
    return right ? room + text : text + room;
}

std::string cursor_line(const CursorReadout& r, int cursor)
{
    const long long at = cursor == 0 ? r.first : r.second;
    std::string line =
        with_args(tr_text("Scope", "Cursor %1: sample %2"), {std::to_string(cursor + 1), std::to_string(at)});
    if (r.trigger)
        line += with_args(tr_text("Scope", ", %1 from the trigger"),
                          {number_text(static_cast<double>(at - *r.trigger), true)});
    if (r.active == cursor)
        line += tr_text("Scope", " (active)");
    return line;
}

double value_at(const StripSamples& samples, int trace, long long number)
{
    std::vector<double> value;
    samples.values(trace, number, number + 1, &value);
    return value.front();
}

}  // namespace

CursorReadout strip_readout(const StripSamples& samples, std::span<const ShownTrace> shown, long long first,
                            long long second, int active)
{
    CursorReadout r;
    r.first = first;
    r.second = second;
    r.active = active;
    r.has_samples = samples.end() > samples.first();
    if (!r.has_samples)
        return r;
    r.first = std::clamp(first, samples.first(), samples.end() - 1);
    r.second = std::clamp(second, samples.first(), samples.end() - 1);
    for (const ShownTrace& t : shown)
        r.rows.push_back({t.name, value_at(samples, t.trace, r.first), value_at(samples, t.trace, r.second)});
    r.seconds = samples.time(r.second) - samples.time(r.first);
    return r;
}

std::optional<long long> trigger_sample(std::span<const std::uint16_t> pretrigger)
{
    const auto rise = std::find_if(pretrigger.begin(), pretrigger.end(), [](std::uint16_t v) { return v != 0; });
    if (rise == pretrigger.end())
        return std::nullopt;
    return static_cast<long long>(rise - pretrigger.begin());
}

std::string cursor_text(const CursorReadout& r)
{
    std::string text = cursor_line(r, 0) + "\n" + cursor_line(r, 1) + "\n";
    if (!r.has_samples) {
        text += tr_text("Scope", "No samples under the cursors");
    } else if (r.rows.empty()) {
        text += tr_text("Scope", "No trace shown");
    } else {
        const std::string trace = tr_text("Scope", "Trace");
        std::size_t name_width = width_of(trace);
        for (const CursorRow& row : r.rows)
            name_width = std::max(name_width, width_of(row.name));
        text += padded(trace, name_width, false) + padded(tr_text("Scope", "Cursor 1"), kValueWidth, true)
                + padded(tr_text("Scope", "Cursor 2"), kValueWidth, true)
                + padded(tr_text("Scope", "Difference"), kValueWidth + 2, true);
        for (const CursorRow& row : r.rows)
            text += "\n" + padded(row.name, name_width, false) + padded(number_text(row.first, false), kValueWidth, true)
                    + padded(number_text(row.second, false), kValueWidth, true)
                    + padded(number_text(row.second - row.first, true), kValueWidth + 2, true);
    }
    const long long apart = r.second - r.first;
    const std::string count = number_text(static_cast<double>(apart), true);
    text += "\n" + with_args(std::abs(apart) == 1 ? tr_text("Scope", "Difference: %1 sample")
                                                  : tr_text("Scope", "Difference: %1 samples"),
                             {count});
    if (r.seconds)
        text += ", " + fixed_text(*r.seconds, 3, true) + " s";
    return text;
}

}  // namespace telvar
