// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ini_text.h"

namespace telvar {

void IniText::put_int(std::string_view section, std::string_view key, long value)
{
    IniSection* target = nullptr;
    for (IniSection& s : sections)
        if (s.name == section)
            target = &s;
    if (!target)
        target = &sections.emplace_back(IniSection{std::string(section), {}});
    for (IniItem& item : target->items) {
        if (item.key == key) {
            item.value = std::to_string(value);
            return;
        }
    }
    target->items.push_back({std::string(key), std::to_string(value)});
}

std::string IniText::text() const
{
    std::string out;
    for (const IniSection& s : sections) {
        out += "[" + s.name + "]\r\n";
        for (const IniItem& item : s.items)
            out += item.key + " = " + item.value + "\r\n";
        out += "\r\n";
    }
    return out;
}

}  // namespace telvar
