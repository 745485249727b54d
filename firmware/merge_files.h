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

// What stopped the merge, for the operator; empty when the image was written.
std::string merge_files(const MergeFiles& files);

}  // namespace telvar
