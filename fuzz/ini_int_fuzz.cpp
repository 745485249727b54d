// SPDX-License-Identifier: GPL-3.0-or-later
// The strict integer rule of the ini reader against a plain reference: white
// space around, at most one sign, at least one digit, within 32 bits.
#include "fuzz/property.h"
#include "storage/ini_reader.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Compares digit strings by value, so no arithmetic can overflow.
bool not_above(std::string_view digits, std::string_view limit)
{
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    return digits.size() != limit.size() ? digits.size() < limit.size() : digits <= limit;
}

telvar::IniLookup reference(std::string_view s, long* value)
{
    std::size_t first = 0;
    while (first < s.size() && blank(s[first]))
        ++first;
    std::size_t last = s.size();
    while (last > first && blank(s[last - 1]))
        --last;
    s = s.substr(first, last - first);
    if (s.empty())
        return telvar::IniLookup::NotFound;
    const bool negative = s.front() == '-';
    if (s.front() == '-' || s.front() == '+')
        s.remove_prefix(1);
    if (s.empty() || s.find_first_not_of("0123456789") != std::string_view::npos)
        return telvar::IniLookup::Error;
    if (!not_above(s, negative ? "2147483648" : "2147483647"))
        return telvar::IniLookup::Error;
    *value = std::stol((negative ? "-" : "") + std::string(s));
    return telvar::IniLookup::Found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using telvar::fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    long got = 0;
    long expected = 0;
    const telvar::IniLookup result = telvar::parse_ini_int(text, &got);
    require(result == reference(text, &expected), "the same verdict as the reference");
    if (result == telvar::IniLookup::Found)
        require(got == expected, "the same value as the reference");
    return 0;
}
