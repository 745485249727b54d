// SPDX-License-Identifier: GPL-3.0-or-later
// Merging the linearisation tables of channel A and B into a firmware image
// in S-record format, inside an address window: the words of every S3 record
// in the window take the tables' values in file order (channel A's first,
// then channel B's, at most 1024 each, written low byte first), the rest keep
// the firmware's own, and each patched record gets its checksum anew and is
// written in upper case. A merge that would leave out values of a checked
// table, or whose window is empty or holds no record, is refused; so is an
// image without an end record last, or with a data record after the tables
// that would overwrite them when programmed. Nothing here touches a file or
// a widget.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telvar {

// The firmware's window addresses are the fields' values plus this offset.
inline constexpr std::int64_t WINDOW_OFFSET = 0x2000000;
// Each value takes two lines of its file: the first is ignored.
inline constexpr int TABLE_LINES = 2048;

struct LinearisationTable {
    bool used = false;              // the channel's check box
    std::string name;               // for messages
    std::vector<std::string> lines;
};

struct MergeRequest {
    std::vector<std::string> firmware;
    LinearisationTable a;
    LinearisationTable b;
    std::int64_t start = 0;  // window bounds before the offset
    std::int64_t end = 0;
};

struct MergeOutcome {
    std::vector<std::string> lines;  // the merged image; empty after an error
    std::string error;               // what stopped the merge, for the operator
    int values_a = 0;                // table values used
    int values_b = 0;
    bool ok() const { return error.empty(); }
};

// A table value: optional leading blanks, an optional sign and decimal digits
// that fit a signed 16-bit word, in the first 15 characters of its line.
bool parse_table_value(std::string_view line, std::int16_t* value);

MergeOutcome merge_linearisation(const MergeRequest& request);

}  // namespace telvar
