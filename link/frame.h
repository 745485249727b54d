// SPDX-License-Identifier: GPL-3.0-or-later
// The 36-byte request/answer frame: sync word, order code, 16 payload words,
// all big-endian, no checksum. The one place that knows the frame's shape;
// the tool and the controller simulator both code frames through it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace telvar::frame {

inline constexpr int kWords = 16;
inline constexpr int kBytes = kWords * 2 + 4;
inline constexpr std::uint16_t kSyncWord = 0x0055;

using Words = std::array<std::uint16_t, kWords>;

struct Answer {
    std::uint16_t order;
    Words words;
};

// Writes kBytes bytes: the low 16 bits of sync and order, then the words.
void encode(std::uint8_t* out, int sync, int order, const std::uint16_t* words);

// Reads kBytes bytes; empty when the sync word is not 0x0055.
std::optional<Answer> decode(const std::uint8_t* in);

// One read of an answer that arrives in pieces and is assembled in place:
// `read` is offered the part of the frame at `answer` still missing (its last
// `missing` bytes) and gives the count it put there, or a negative error. The
// bytes still missing afterwards. Nothing is read unless 0 < missing <= kBytes,
// so no read lands outside the frame.
using ReadInto = std::function<int(std::uint8_t* at, int room)>;
int read_missing_part(std::uint8_t* answer, int missing, const ReadInto& read);

std::uint16_t read_word(const std::uint8_t* at);
void write_word(std::uint8_t* at, int value);

}  // namespace telvar::frame
