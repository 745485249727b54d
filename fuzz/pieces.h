// SPDX-License-Identifier: GPL-3.0-or-later
// Splits a fuzz input into a byte stream and the pieces it arrives in: the
// first byte counts the piece bytes that follow, each of which describes one
// piece (how it is used is the target's); the rest is the stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace telvar::fuzz {

struct Pieces {
    std::span<const std::uint8_t> pieces;
    std::span<const std::uint8_t> stream;
};

inline Pieces split_pieces(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::size_t count = data[0] < size - 1 ? data[0] : size - 1;
    return {{data + 1, count}, {data + 1 + count, size - 1 - count}};
}

}  // namespace telvar::fuzz
