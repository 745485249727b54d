// SPDX-License-Identifier: GPL-3.0-or-later
// The linearisation value parser on any line, against a plain reference of
// its rule (the first 15 characters: leading blanks, a sign, decimal digits
// within 16 bits, trailing white space); a value it accepts prints back to
// its own text, less a plus sign and leading zeros.
#include "firmware/merge.h"
#include "fuzz/property.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Reading {
    std::string text;  // the trimmed value as written
    long value = 0;
};

std::optional<Reading> reference(std::string_view line)
{
    std::string_view s = line.substr(0, 15);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    const std::string text(s);
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    if (s.empty() || s.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    // At most 14 digits here, so a long long holds them.
    const long long magnitude = std::stoll(std::string(s));
    const long long value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return Reading{text, static_cast<long>(value)};
}

// The text without a plus sign or leading zeros; "-0" is "0".
std::string canonical(std::string text)
{
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+')
        text.erase(0, 1);
    text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
    return negative && text != "0" ? "-" + text : text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using telvar::fuzz::require;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::int16_t value = 0;
    const bool accepted = telvar::parse_table_value(line, &value);
    const std::optional<Reading> expected = reference(line);
    require(accepted == expected.has_value(), "the same verdict as the reference");
    if (!accepted)
        return 0;
    require(value == expected->value, "the same value as the reference");
    const std::string printed = std::to_string(value);
    require(printed == canonical(expected->text), "the value prints back to its text");
    std::int16_t again = 0;
    require(telvar::parse_table_value(printed, &again) && again == value, "the printed value reads back");
    return 0;
}
