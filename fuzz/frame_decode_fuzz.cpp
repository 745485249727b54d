// SPDX-License-Identifier: GPL-3.0-or-later
// Answer decoding on any 36 bytes: a frame with the sync word decodes to
// what encodes back to the same bytes, any other is refused; and what is
// encoded decodes to itself.
#include "fuzz/property.h"
#include "link/frame.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace telvar;
    using fuzz::require;
    std::array<std::uint8_t, frame::kBytes> in{};
    std::memcpy(in.data(), data, std::min(size, in.size()));

    const std::optional<frame::Answer> answer = frame::decode(in.data());
    const bool synced = in[0] == 0x00 && in[1] == 0x55;
    require(answer.has_value() == synced, "only the sync word 00 55 is taken");
    if (answer) {
        std::array<std::uint8_t, frame::kBytes> out{};
        frame::encode(out.data(), frame::kSyncWord, answer->order, answer->words.data());
        require(out == in, "a decoded answer encodes back to its bytes");
    }

    // The same bytes as the content of a request, with order and sync as the ints the tool holds.
    frame::Words words{};
    for (std::size_t k = 0; k < words.size(); ++k)
        words[k] = frame::read_word(in.data() + 4 + 2 * k);
    const int order = static_cast<int>(std::uint32_t{in[2]} << 24 | std::uint32_t{in[3]} << 16 | in[4] << 8 | in[5]);
    std::array<std::uint8_t, frame::kBytes> request{};
    frame::encode(request.data(), frame::kSyncWord, order, words.data());
    const std::optional<frame::Answer> back = frame::decode(request.data());
    require(back.has_value(), "an encoded frame carries the sync word");
    require(back->order == static_cast<std::uint16_t>(order & 0xFFFF), "the low 16 bits of the order come back");
    require(back->words == words, "the words come back");
    return 0;
}
