// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/set_differences.h"

namespace telvar {

std::vector<Difference> differences(const std::uint16_t* ours, const std::uint16_t* theirs)
{
    std::vector<Difference> found;
    for (const ParameterKey& key : PARAMETER_KEYS)
        if (ours[key.index] != theirs[key.index])
            found.push_back({&key, ours[key.index], theirs[key.index]});
    return found;
}

}  // namespace telvar
