// SPDX-License-Identifier: GPL-3.0-or-later
// Table controls: a QTableView of a panel file shows rows that the program
// keeps elsewhere. The table asks only for the cells it draws, so that ten
// thousand rows cost no more to show than a screenful of them. Cells are in
// a font of fixed pitch, so that figures and words line up from row to row.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace telvar {

// The program's rows, as the table reads them.
class TableRows {
public:
    virtual std::size_t row_count() const = 0;
    virtual std::string cell(std::size_t row, int column) const = 0;
    // What a cell's text does not say, such as why a figure has none: its
    // tooltip and its description for screen readers; "" for none.
    virtual std::string note(std::size_t, int) const { return {}; }

protected:
    ~TableRows() = default;
};

struct TableColumn {
    std::string title;
    int characters;  // the width the column is given, in characters
    bool right_aligned;
};

// Shows `rows` under these columns; nullptr shows no row. The rows stay the
// program's and must outlive the table's use of them.
int SetTableRows(int panel, int control, const std::vector<TableColumn>& columns, const TableRows* rows);
// After the rows changed: `dropped` rows went from the top, and the rows
// beyond those the table has shown came at the bottom. A table that showed
// its last row follows to the new last row; one whose operator scrolled up
// keeps the rows in sight where they are.
int UpdateTableRows(int panel, int control, std::size_t dropped);
// After the rows changed altogether: the table reads them anew.
int ResetTableRows(int panel, int control);
// The same rows with other texts: the table redraws them, keeping the
// operator's place in it.
int RefreshTableCells(int panel, int control);
// The selected rows, from the top down.
int GetTableSelection(int panel, int control, std::vector<std::size_t>* rows);

// Puts the text on the clipboard, to be pasted elsewhere.
int ClipboardPutText(const char* text);

}  // namespace telvar
