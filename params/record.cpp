// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/record.h"

#include <algorithm>

namespace telvar {

namespace state {
std::uint16_t parameter[PARAMETER_WORDS];
}  // namespace state

const std::uint16_t (&parameter)[PARAMETER_WORDS] = state::parameter;

void take_record(const std::uint16_t* words)
{
    std::copy_n(words, PARAMETER_WORDS, state::parameter);
}

void take_block(int first, const std::uint16_t* words)
{
    std::copy_n(words, BLOCK_WORDS, state::parameter + first);
}

void set_word(int index, std::uint16_t word)
{
    state::parameter[index] = word;
}

}  // namespace telvar
