// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/differences.h"

namespace telvar::cli {

std::vector<Difference> differences(const std::uint16_t* file, const std::uint16_t* controller)
{
    std::vector<Difference> found;
    for (const ParameterKey& key : PARAMETER_KEYS)
        if (file[key.index] != controller[key.index])
            found.push_back({&key, file[key.index], controller[key.index]});
    return found;
}

std::string difference_line(const Difference& difference)
{
    return "[" + std::string(difference.key->section) + "] " + difference.key->key + ": file "
        + std::to_string(difference.file) + ", controller " + std::to_string(difference.controller);
}

}  // namespace telvar::cli
