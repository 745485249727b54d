// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison as the operator reads it: one row per difference, naming
// the word by its page, its caption and its key in the parameter file, with
// the values as the pages show them on both sides; the same rows as CSV,
// whose header and own texts stay English whatever the window's language.
#pragma once

#include "platform/table.h"
#include "storage/set_comparison.h"

#include <string>
#include <vector>

namespace telvar {

enum ComparisonColumn : int { COLUMN_PAGE, COLUMN_PARAMETER, COLUMN_KEY, COLUMN_PAGES, COLUMN_OTHER };

// The columns as the window shows them, the last titled after the other set
// (its shown title), each as wide as its widest cell within limits.
std::vector<TableColumn> comparison_columns(const std::string& other, const std::vector<Difference>& found);
// A cell as the window shows it.
std::string comparison_cell(const Difference& difference, int column);
// "Pages compared with Controller RAM: 3 differences in 44 words"; `other`
// as the window shows it.
std::string comparison_summary(const std::string& other, const Comparison& comparison);
// A header row with the columns' titles, then one row per difference; `other`
// is the set's English title.
std::string comparison_csv(const std::string& other, const std::vector<Difference>& found);

}  // namespace telvar
