// SPDX-License-Identifier: GPL-3.0-or-later
// The frame monitor's texts: each frame's cells as the table shows them, and
// the same frames as lines of text (copied, or saved as a text file) and as
// CSV rows.
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
    const char* title;
    int characters;  // the width the column is given
    bool right_aligned;
};

extern const FrameColumnLook FRAME_COLUMN_LOOKS[FRAME_COLUMNS];

std::string frame_cell(const FrameRecord& record, int column);

using FrameRows = std::vector<const FrameRecord*>;

// One line per frame, its cells in aligned columns.
std::string frame_lines(const FrameRows& rows);
// A header line naming the columns, then the lines.
std::string frames_text(const FrameRows& rows);
// A header row, then one row per frame with each payload word in a column of its own.
std::string frames_csv(const FrameRows& rows);

}  // namespace telvar
