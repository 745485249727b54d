// SPDX-License-Identifier: GPL-3.0-or-later
// Counts in the texts the operator reads.
#pragma once

#include <string>
#include <string_view>

namespace telvar {

// A count with its noun in the number it needs: "1 row", "0 rows", "2 rows".
inline std::string counted(long long count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

}  // namespace telvar
