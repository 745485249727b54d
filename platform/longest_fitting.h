// SPDX-License-Identifier: GPL-3.0-or-later
// How much of a text a control can show: the callers shorten a text in
// their own way (in the middle, after a word) and ask CtrlTextFits of each
// try, which measures the text and so is worth asking few times.
#pragma once

#include <cstddef>

namespace telvar {

// The largest n of 0..most for which fits(n), where fits holds up to some n
// and not beyond it; 0 when it never holds.
template <typename Fits>
std::size_t longest_fitting(std::size_t most, Fits fits)
{
    std::size_t found = 0;
    for (std::size_t step = most / 2 + 1; step > 0; step /= 2)
        while (found + step <= most && fits(found + step))
            found += step;
    return found;
}

}  // namespace telvar
