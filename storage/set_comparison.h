// SPDX-License-Identifier: GPL-3.0-or-later
// The pages' set against another: the controller's RAM or EEPROM as
// fetched, or a parameter file. A file speaks only for the words it holds:
// a word it lacks is not compared, as the command line's verify does not
// compare it, and as loading the file would leave it as it is.
#pragma once

#include "params/record.h"
#include "storage/ini_text.h"
#include "storage/set_differences.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace telvar {

using ParameterSet = std::array<std::uint16_t, PARAMETER_WORDS>;

class ComparedSet {
public:
    // The controller's set, fetched from RAM or EEPROM.
    static ComparedSet controller(int from, const ParameterSet& fetched);
    // A parameter file's items; `name` is the file's name without its folder.
    static ComparedSet file(const std::string& name, IniText ini);

    // "Controller RAM", "Controller EEPROM", "File set.ini": in English, as
    // the exported list's header names it, and as the window shows it.
    const std::string& title() const { return title_; }
    const std::string& shown_title() const { return shown_title_; }
    // Its words over the pages' set: every stored word of the controller's,
    // the file's words over the pages' own. How many it holds in `held`.
    ParameterSet over(const ParameterSet& pages, int* held) const;

private:
    std::string title_;
    std::string shown_title_;
    ParameterSet fetched_{};
    std::optional<IniText> file_;
};

struct Comparison {
    std::vector<Difference> found;  // ours: the pages; theirs: the other set
    int compared = 0;                // the words the other set holds
};

Comparison compare_sets(const ParameterSet& pages, const ComparedSet& other);

}  // namespace telvar
