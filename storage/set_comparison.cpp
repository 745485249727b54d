// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/set_comparison.h"

#include "platform/translation.h"
#include "storage/parameter_keys.h"
#include "storage/parameter_text.h"
#include "storage/transfer.h"

#include <utility>

namespace telvar {

ComparedSet ComparedSet::controller(int from, const ParameterSet& fetched)
{
    ComparedSet set;
    set.title_ = from == EEPROM ? TR_NOOP("Compare", "Controller EEPROM") : TR_NOOP("Compare", "Controller RAM");
    set.shown_title_ = tr_text("Compare", set.title_.c_str());
    set.fetched_ = fetched;
    return set;
}

ComparedSet ComparedSet::file(const std::string& name, IniText ini)
{
    ComparedSet set;
    set.title_ = "File " + name;
    set.shown_title_ = with_args(tr_text("Compare", "File %1"), {name});
    set.file_ = std::move(ini);
    return set;
}

ParameterSet ComparedSet::over(const ParameterSet& pages, int* held) const
{
    if (!file_) {
        *held = static_cast<int>(PARAMETER_KEYS.size());
        return fetched_;
    }
    ParameterSet words = pages;
    *held = take_parameter_file(*file_, words.data());
    return words;
}

Comparison compare_sets(const ParameterSet& pages, const ComparedSet& other)
{
    Comparison comparison;
    const ParameterSet theirs = other.over(pages, &comparison.compared);
    comparison.found = differences(pages.data(), theirs.data());
    return comparison;
}

}  // namespace telvar
