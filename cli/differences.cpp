// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/differences.h"

namespace telvar::cli {

std::string difference_line(const Difference& difference)
{
    return "[" + std::string(difference.key->section) + "] " + difference.key->key + ": file "
        + std::to_string(difference.ours) + ", controller " + std::to_string(difference.theirs);
}

}  // namespace telvar::cli
