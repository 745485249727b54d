// SPDX-License-Identifier: GPL-3.0-or-later
// The merge with its files: reading the firmware image and the tables of
// the checked channels, merging, and writing the merged image crash-safe. A
// merge that stops writes nothing.
#pragma once

#include <cstdint>
#include <string>

namespace telvar {

struct MergeFiles {
    std::string firmware;
    bool use_a = false;
    std::string table_a;
    bool use_b = false;
    std::string table_b;
    std::int64_t start = 0;  // window bounds before the offset
    std::int64_t end = 0;
    std::string merged;
};

struct MergeResult {
    std::string error;  // what stopped the merge, for the operator; empty when the image was written
    int values_a = 0;   // table values that went into the image
    int values_b = 0;
    bool ok() const { return error.empty(); }
};

MergeResult merge_files(const MergeFiles& files);

// What went into a written image, as the operator is told after the merge.
std::string merged_text(const MergeResult& result);

}  // namespace telvar
