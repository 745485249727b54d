// The 36-byte request/answer frame: sync word, order code, 16 payload words,
// all big-endian, no checksum. The one place that knows the frame's shape;
// the tool and the controller simulator both code frames through it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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

std::uint16_t read_word(const std::uint8_t* at);
void write_word(std::uint8_t* at, int value);

}  // namespace telvar::frame
