// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/compare_window.h"

#include "link/status.h"
#include "params/mapping.h"
#include "params/record.h"
#include "platform/csv_file.h"
#include "platform/files.h"
#include "platform/table.h"
#include "platform/translation.h"
#include "storage/comparison_table.h"
#include "storage/parameter_file.h"
#include "storage/parameter_file_dialog.h"
#include "storage/set_comparison.h"
#include "storage/transfer.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace telvar {

namespace {

// The comparison on show: the other set, and how the pages differed from it
// when they were compared last.
class Shown final : public TableRows {
public:
    std::size_t row_count() const override { return comparison.found.size(); }
    std::string cell(std::size_t row, int column) const override
    {
        return row < comparison.found.size() ? comparison_cell(comparison.found[row], column) : std::string();
    }

    std::optional<ComparedSet> other;
    Comparison comparison;
    // As the first listing needed them: rows taken leave the others where they stand.
    std::vector<TableColumn> columns;
    std::string exported;  // the file the list went to last, shown after the summary
};

Shown g_shown;

ParameterSet record_copy()
{
    ParameterSet words;
    std::copy(std::begin(parameter), std::end(parameter), words.begin());
    return words;
}

// The fetch fills the record block by block; the record is put back as it
// was whatever came of it.
std::optional<ComparedSet> fetch_controller_set(int from)
{
    const ParameterSet kept = record_copy();
    const bool fetched = fetch_record(from);
    const ParameterSet words = record_copy();
    take_record(kept.data());
    if (!fetched)
        return std::nullopt;
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
    return ComparedSet::controller(from, words);
}

std::optional<ComparedSet> read_file_set()
{
    std::optional<IniText> ini = read_chosen_parameter_file();
    if (!ini) {
        set_status(WithReason(tr_text("Compare", COMPARE_FILE_FAILED_TEXT), parameter_file_failure()).c_str());
        return std::nullopt;
    }
    return ComparedSet::file(std::filesystem::path(pathName).filename().string(), std::move(*ini));
}

std::string summary()
{
    const std::string text = comparison_summary(g_shown.other->shown_title(), g_shown.comparison);
    return g_shown.exported.empty() ? text
                                    : with_args(tr_text("Compare", "%1; exported to %2"), {text, g_shown.exported});
}

// Compares the pages as they stand now with the other set, and lists the
// differences; the status line says what the window says.
void show_comparison()
{
    g_shown.comparison = compare_sets(pages_record(), *g_shown.other);
    if (g_shown.columns.empty())
        g_shown.columns = comparison_columns(g_shown.other->shown_title(), g_shown.comparison.found);
    SetTableRows(panelCOMPARE, COMPARE_TABLE, g_shown.columns, &g_shown);
    SetCtrlVal(panelCOMPARE, COMPARE_SUMMARY, summary().c_str());
    set_status(summary().c_str());
    const int nothing_to_take = g_shown.comparison.found.empty() ? 1 : 0;
    SetCtrlAttribute(panelCOMPARE, COMPARE_TAKE, ATTR_DIMMED, nothing_to_take);
    SetCtrlAttribute(panelCOMPARE, COMPARE_TAKE_ALL, ATTR_DIMMED, nothing_to_take);
}

// The other set's values of the rows onto the pages; a word on no page goes
// into the record. The pages are then compared anew: a value a page cannot
// show as it came stays listed.
void take(const std::vector<std::size_t>& rows)
{
    GetPanelValues();
    for (std::size_t row : rows)
        if (row < g_shown.comparison.found.size()) {
            const Difference& difference = g_shown.comparison.found[row];
            set_word(difference.key->index, difference.theirs);
        }
    SetPanelValues();
    g_shown.exported.clear();
    show_comparison();
}

void close_window()
{
    HidePanel(panelCOMPARE);
    SetTableRows(panelCOMPARE, COMPARE_TABLE, {}, nullptr);
    g_shown = Shown();
}

void export_csv(const std::string& path)
{
    const std::string text = comparison_csv(g_shown.other->title(), g_shown.comparison.found);
    if (!SaveCsv(path, text)) {
        MessagePopup(tr_text("Compare", "ERROR"),
                     with_args(tr_text("Compare", "The comparison could not be saved to %1."), {path}).c_str());
        return;
    }
    g_shown.exported = std::filesystem::path(path).filename().string();
    SetCtrlVal(panelCOMPARE, COMPARE_SUMMARY, summary().c_str());
}

}  // namespace

int CC_BTNCompare(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    std::optional<ComparedSet> other = target == DATFILE ? read_file_set() : fetch_controller_set(target);
    if (!other)
        return 0;
    g_shown = Shown();
    g_shown.other = std::move(other);
    show_comparison();
    DisplayPanel(panelCOMPARE);
    SetActivePanel(panelCOMPARE);
    return 0;
}

int CC_COMPARE_TAKE(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_shown.other)
        return 0;
    std::vector<std::size_t> rows;
    GetTableSelection(panelCOMPARE, COMPARE_TABLE, &rows);
    take(rows);
    return 0;
}

int CC_COMPARE_TAKE_ALL(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_shown.other)
        return 0;
    std::vector<std::size_t> rows(g_shown.comparison.found.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    take(rows);
    return 0;
}

int CC_COMPARE_EXPORT(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_shown.other)
        return 0;
    char path[MAX_PATHNAME_LEN];
    const int chosen =
        FileSelectPopup(dirName, "*.csv", "*.csv", tr_text("Compare", "Export Comparison"), VAL_SAVE_BUTTON, 0, 1,
                        1, 1, path);
    if (chosen == UIE_BUFFER_TOO_SMALL)
        MessagePopup(tr_text("Compare", "ERROR"), tr_text("Compare", "The file name is too long."));
    if (chosen > 0 && g_shown.other)
        export_csv(path);
    return 0;
}

int CC_COMPARE_CLOSE(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        close_window();
    return 0;
}

int CC_PANEL_COMPARE(int, int event, void*, int, int)
{
    if (event == EVENT_CLOSE)
        close_window();
    return 0;
}

}  // namespace telvar
