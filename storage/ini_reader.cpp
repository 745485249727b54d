// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ini_reader.h"

#include <cstdint>
#include <limits>

namespace telvar {

namespace {

constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_name(std::string_view a, std::string_view b)
{
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (lower(a[k]) != lower(b[k]))
            return false;
    return true;
}

// "[name]" with only white space after the last "]", and a name that is not blank.
bool section_name(std::string_view line, std::string* name)
{
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || !trimmed(line.substr(close + 1)).empty())
        return false;
    const std::string_view inner = trimmed(line.substr(1, close - 1));
    if (inner.empty())
        return false;
    *name = std::string(inner);
    return true;
}

bool item_of(std::string_view line, IniItem* item)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string_view key = trimmed(line.substr(0, equals));
    std::string_view value = trimmed(line.substr(equals + 1));
    if (key.empty() || value.empty())
        return false;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    *item = IniItem{std::string(key), std::string(value)};
    return true;
}

void take_line(std::string_view line, IniText& ini)
{
    line = line.substr(0, INI_LINE_CHARS);
    while (!line.empty() && is_blank(line.front()))
        line.remove_prefix(1);
    if (line.empty() || line.front() == ';')
        return;
    if (line.front() == '[') {
        std::string name;
        if (section_name(line, &name))
            ini.sections.push_back({name, {}});
        return;
    }
    IniItem item;
    if (!ini.sections.empty() && item_of(line, &item))
        ini.sections.back().items.push_back(item);
}

}  // namespace

IniText read_ini(std::string_view bytes)
{
    // Editors such as Notepad put a UTF-8 byte-order mark before the first
    // line; left there, it would hide the first section line.
    if (bytes.starts_with(UTF8_BOM))
        bytes.remove_prefix(UTF8_BOM.size());
    IniText ini;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        take_line(bytes.substr(start, end - start), ini);
        const bool crlf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return ini;
}

IniLookup parse_ini_int(std::string_view text, long* value)
{
    std::string_view s = trimmed(text);
    if (s.empty())
        return IniLookup::NotFound;
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return IniLookup::Error;
    std::int64_t magnitude = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return IniLookup::Error;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return IniLookup::Error;
    }
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max() || result < std::numeric_limits<std::int32_t>::min())
        return IniLookup::Error;
    *value = static_cast<long>(result);
    return IniLookup::Found;
}

IniLookup ini_get_int(const IniText& ini, std::string_view section, std::string_view key, long* value)
{
    for (const IniSection& s : ini.sections) {
        if (!same_name(s.name, section))
            continue;
        for (const IniItem& item : s.items)
            if (same_name(item.key, key))
                return parse_ini_int(item.value, value);
        return IniLookup::NotFound;
    }
    return IniLookup::NotFound;
}

}  // namespace telvar
