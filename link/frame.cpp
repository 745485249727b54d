// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frame.h"

#include <algorithm>

namespace telvar::frame {

std::uint16_t read_word(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>((at[0] << 8) | at[1]);
}

void write_word(std::uint8_t* at, int value)
{
    at[0] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    at[1] = static_cast<std::uint8_t>(value & 0xFF);
}

void encode(std::uint8_t* out, int sync, int order, const std::uint16_t* words)
{
    write_word(out, sync);
    write_word(out + 2, order);
    for (int k = 0; k < kWords; ++k)
        write_word(out + 4 + 2 * k, words[k]);
}

std::optional<Answer> decode(const std::uint8_t* in)
{
    if (read_word(in) != kSyncWord)
        return std::nullopt;
    Answer answer{read_word(in + 2), {}};
    for (int k = 0; k < kWords; ++k)
        answer.words[k] = read_word(in + 4 + 2 * k);
    return answer;
}

int read_missing_part(std::uint8_t* answer, int missing, const ReadInto& read)
{
    if (missing <= 0 || missing > kBytes)
        return missing;
    const int got = read(answer + kBytes - missing, missing);
    return got > 0 ? missing - std::min(got, missing) : missing;
}

}  // namespace telvar::frame
