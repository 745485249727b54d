// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/comparison_table.h"

#include "params/parameter_names.h"
#include "platform/counted.h"
#include "platform/csv_file.h"
#include "platform/translation.h"

#include <algorithm>

namespace telvar {

namespace {

// Widths in characters. An empty list still shows columns of a likely
// width; a cell longer than the widest is cut short on screen.
struct ColumnLook {
    const char* title;  // nullptr: titled after the other set
    int narrowest;
    int widest;
    bool right_aligned;
};

constexpr ColumnLook kColumns[] = {
    {TR_NOOP("Compare", "Page"), 30, 36, false},
    {TR_NOOP("Compare", "Parameter"), 18, 24, false},
    {TR_NOOP("Compare", "Key"), 30, 40, false},
    {TR_NOOP("Compare", "Pages"), 16, 40, false},
    {nullptr, 16, 40, false},
};

std::string title_of(const ColumnLook& look, const std::string& other)
{
    return look.title ? tr_text("Compare", look.title) : other;
}

}  // namespace

std::string comparison_cell(const Difference& difference, int column)
{
    const int index = difference.key->index;
    switch (column) {
    case COLUMN_PAGE: {
        const ParameterName name = parameter_name(index);
        if (*name.page)
            return name.page;
        return tr_text("Compare", "(no page)");
    }
    case COLUMN_PARAMETER: return parameter_name(index).caption;
    case COLUMN_KEY: return "[" + std::string(difference.key->section) + "] " + difference.key->key;
    case COLUMN_PAGES: return compared_text(index, difference.ours, difference.theirs);
    case COLUMN_OTHER: return compared_text(index, difference.theirs, difference.ours);
    default: return "";
    }
}

std::vector<TableColumn> comparison_columns(const std::string& other, const std::vector<Difference>& found)
{
    std::vector<TableColumn> columns;
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        const ColumnLook& look = kColumns[column];
        int characters = look.narrowest;
        for (const Difference& difference : found)
            characters = std::max(characters, static_cast<int>(comparison_cell(difference, column).size()));
        columns.push_back({title_of(look, other), std::min(characters, look.widest), look.right_aligned});
    }
    return columns;
}

std::string comparison_summary(const std::string& other, const Comparison& comparison)
{
    const std::size_t count = comparison.found.size();
    const std::string words = counted(comparison.compared, tr_text("Compare", "word"), tr_text("Compare", "words"));
    if (count == 0)
        return with_args(tr_text("Compare", "Pages compared with %1: No difference in %2."), {other, words});
    const std::string found = counted(static_cast<long long>(count), tr_text("Compare", "difference"),
                                      tr_text("Compare", "differences"));
    return with_args(tr_text("Compare", "Pages compared with %1: %2 in %3"), {other, found, words});
}

std::string comparison_csv(const std::string& other, const std::vector<Difference>& found)
{
    // Titles, pages' names, captions and values as a program reads them, whatever the window's language.
    const EnglishTexts english;
    std::vector<std::string> fields;
    for (const ColumnLook& look : kColumns)
        fields.push_back(title_of(look, other));
    std::string text = CsvRow(fields);
    for (const Difference& difference : found) {
        fields.clear();
        for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column)
            fields.push_back(comparison_cell(difference, column));
        text += CsvRow(fields);
    }
    return text;
}

}  // namespace telvar
