// SPDX-License-Identifier: GPL-3.0-or-later
// The frame monitor's texts: each frame's cells as the table shows them, and
// the same frames as lines of text (copied, or saved as a text file) and as
// CSV rows. The table speaks the window's language; the lines and rows stay
// English, so that a list saved anywhere reads the same to every reader and
// every program.
#pragma once

#include "monitor/frame_log.h"

#include <string>
#include <vector>

namespace telvar {

enum FrameColumn : int {
    COLUMN_TIME,       // seconds since the monitor opened, to the millisecond
    COLUMN_DIRECTION,  // "out" to the controller, "in" from it
    COLUMN_CODE,       // the frame's own order code
    COLUMN_NAME,       // what that code means here
    COLUMN_MARKS,      // retry, time-out, wrong sync, failures
    COLUMN_WORDS,      // the 16 payload words in hex, last: the widest
    FRAME_COLUMNS,
};

struct FrameColumnLook {
    const char* title;  // English; the table shows tr_text("FrameMonitor", title)
    int characters;     // the width the column is given in the lines of text
    bool right_aligned;
};

extern const FrameColumnLook FRAME_COLUMN_LOOKS[FRAME_COLUMNS];

// A cell as the lines of text and the CSV rows hold it: English.
std::string frame_cell(const FrameRecord& record, int column);
// A cell as the table shows it, in the window's language.
std::string shown_frame_cell(const FrameRecord& record, int column);
// The width the table gives a column, in characters: that of the lines of
// text, or that of the column's longest shown text where it is wider.
int shown_column_characters(int column);

using FrameRows = std::vector<const FrameRecord*>;

// What a saved list begins with, so that a file read later, or sent to
// someone else, says where its frames came from. Texts as the tool shows them.
struct SavedFacts {
    std::string saved;       // date and time of the save
    std::string line;        // "TCP 127.0.0.1:10001", or how the line stood
    std::string controller;  // the controller's version text; empty when not known
};

// One line per frame, its cells in aligned columns.
std::string frame_lines(const FrameRows& rows);
// The facts, a header line naming the columns, then the lines.
std::string frames_text(const FrameRows& rows, const SavedFacts& facts);
// The facts as rows of two fields, a header row, then one row per frame with
// each payload word in a column of its own, written 0x06E4: a spreadsheet
// would read 06E4 as the number 6E4 (60,000).
std::string frames_csv(const FrameRows& rows, const SavedFacts& facts);

}  // namespace telvar
