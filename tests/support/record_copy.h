// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter record as a value, for tests that compare it before and after.
#pragma once

#include "params/record.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace telvar::test {

using Record = std::array<std::uint16_t, PARAMETER_WORDS>;

inline Record record()
{
    Record r;
    std::copy(std::begin(parameter), std::end(parameter), r.begin());
    return r;
}

inline void set_record(const Record& r)
{
    take_record(r.data());
}

}  // namespace telvar::test
