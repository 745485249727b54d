// SPDX-License-Identifier: GPL-3.0-or-later
// An ini document as the parameter file keeps it: sections and items in the
// order they were put, written as "[SECTION]" lines followed by "key = value"
// lines and one empty line, every line ended by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telvar {

struct IniItem {
    std::string key;
    std::string value;
};

struct IniSection {
    std::string name;
    std::vector<IniItem> items;
};

class IniText {
public:
    // Puts a value under section and key: a section is made when its first
    // key is put; a key that is already there is replaced in place.
    void put_int(std::string_view section, std::string_view key, long value);

    // The whole document as the file holds it.
    std::string text() const;

    std::vector<IniSection> sections;
};

}  // namespace telvar
