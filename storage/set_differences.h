// SPDX-License-Identifier: GPL-3.0-or-later
// How two parameter sets differ, word by word over the 44 words a parameter
// file stores: the one comparison behind the command line's verify and the
// comparison table of the pages.
#pragma once

#include "storage/parameter_keys.h"

#include <cstdint>
#include <vector>

namespace telvar {

struct Difference {
    const ParameterKey* key;
    std::uint16_t ours;    // the set compared: the file verified, the pages
    std::uint16_t theirs;  // the set compared with: the controller's, a file's
};

// The stored words in which the sets differ, in the file's order.
std::vector<Difference> differences(const std::uint16_t* ours, const std::uint16_t* theirs);

}  // namespace telvar
