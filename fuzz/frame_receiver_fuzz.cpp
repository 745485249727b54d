// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's receiver cutting requests out of a byte stream that comes
// in pieces with pauses: every request it yields lies in the stream in
// order, and while no pause exceeds the frame gap the pieces make no
// difference: the requests are those of a plain resynchronising scan.
#include "fuzz/pieces.h"
#include "fuzz/property.h"
#include "link/frame.h"
#include "sim/core/frame_receiver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

using namespace telvar;

// Each piece byte: its length in the low six bits, its pause before it in the top two.
constexpr sim::Time kPauses[] = {
    sim::Time{0}, std::chrono::milliseconds(50), sim::kFrameGap, sim::kFrameGap + std::chrono::microseconds(1)};

using Bytes = std::array<std::uint8_t, frame::kBytes>;

Bytes bytes_of(const sim::Request& request)
{
    Bytes b;
    frame::encode(b.data(), frame::kSyncWord, request.order, request.words.data());
    return b;
}

// A frame starts at the first sync word after the previous frame.
std::vector<Bytes> scanned(std::span<const std::uint8_t> stream)
{
    std::vector<Bytes> frames;
    std::size_t k = 0;
    while (k + frame::kBytes <= stream.size()) {
        if (stream[k] == 0x00 && stream[k + 1] == 0x55) {
            Bytes b;
            std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(k), frame::kBytes, b.begin());
            frames.push_back(b);
            k += frame::kBytes;
        } else {
            ++k;
        }
    }
    return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using fuzz::require;
    const fuzz::Pieces input = fuzz::split_pieces(data, size);

    sim::FrameReceiver receiver;
    sim::Time now{std::chrono::seconds(1)};
    std::vector<Bytes> frames;
    sim::Time last_byte = now;
    bool gap = false;  // a quiet line for longer than the frame gap
    std::size_t fed = 0;
    const auto feed = [&](std::size_t length, sim::Time pause) {
        now += pause;
        gap = gap || now - last_byte > sim::kFrameGap;
        const std::size_t n = std::min(length, input.stream.size() - fed);
        if (n > 0)
            last_byte = now;
        for (const sim::Request& r : receiver.feed(input.stream.subspan(fed, n), now))
            frames.push_back(bytes_of(r));
        fed += n;
    };
    for (const std::uint8_t piece : input.pieces)
        feed(piece & 0x3F, kPauses[piece >> 6]);
    feed(input.stream.size() - fed, sim::Time{0});

    const auto stream_begin = input.stream.begin();
    auto from = stream_begin;
    for (const Bytes& f : frames) {
        const auto at = std::search(from, input.stream.end(), f.begin(), f.end());
        require(at != input.stream.end(), "every request lies in the stream, after the one before");
        from = at + frame::kBytes;
    }
    if (!gap)
        require(frames == scanned(input.stream), "without a gap the pieces make no difference");
    return 0;
}
