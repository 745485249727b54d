// SPDX-License-Identifier: GPL-3.0-or-later
// The TCP answer assembled in place across reads: whatever pieces the bytes
// arrive in, with failed reads between them, the frame holds the first 36
// bytes of the stream and no read is offered room outside the frame.
#include "fuzz/pieces.h"
#include "fuzz/property.h"
#include "link/frame.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr std::uint8_t kUntouched = 0xEE;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace telvar;
    using fuzz::require;
    const fuzz::Pieces input = fuzz::split_pieces(data, size);

    // Exactly the frame's size, so that a write past it is a heap overflow.
    const auto answer = std::make_unique<std::uint8_t[]>(frame::kBytes);
    std::memset(answer.get(), kUntouched, frame::kBytes);

    std::vector<std::uint8_t> socket;  // arrived, not yet read
    const auto read_socket = [&](std::uint8_t* at, int room) {
        require(room > 0 && at + room == answer.get() + frame::kBytes, "the room offered is the missing tail");
        const std::size_t n = std::min(static_cast<std::size_t>(room), socket.size());
        std::memcpy(at, socket.data(), n);
        socket.erase(socket.begin(), socket.begin() + static_cast<std::ptrdiff_t>(n));
        return static_cast<int>(n);
    };
    const auto failed_read = [](std::uint8_t*, int) { return -1; };
    const auto no_read = [](std::uint8_t*, int) {
        require(false, "no read without missing bytes");
        return 0;
    };

    int missing = frame::kBytes;
    std::size_t arrived = 0;
    // The pieces named, then whatever of the stream is left as one piece.
    std::vector<std::size_t> lengths(input.pieces.begin(), input.pieces.end());
    lengths.push_back(input.stream.size());
    for (const std::size_t length : lengths) {
        if (length == 0) {
            require(frame::read_missing_part(answer.get(), missing, failed_read) == missing,
                    "a failed read takes nothing");
            continue;
        }
        const std::size_t n = std::min(length, input.stream.size() - arrived);
        socket.insert(socket.end(), input.stream.begin() + static_cast<std::ptrdiff_t>(arrived),
                      input.stream.begin() + static_cast<std::ptrdiff_t>(arrived + n));
        arrived += n;
        // The platform raises data-ready again while unread bytes are left.
        while (missing > 0 && !socket.empty()) {
            const int before = missing;
            missing = frame::read_missing_part(answer.get(), missing, read_socket);
            require(missing < before, "a read of arrived bytes takes some");
        }
    }

    const std::size_t taken = std::min<std::size_t>(input.stream.size(), frame::kBytes);
    require(missing == frame::kBytes - static_cast<int>(taken), "every arrived byte of the frame is taken");
    require(std::equal(answer.get(), answer.get() + taken, input.stream.begin()), "the bytes in stream order");
    require(std::all_of(answer.get() + taken, answer.get() + frame::kBytes,
                        [](std::uint8_t b) { return b == kUntouched; }),
            "the missing part is not written");

    for (const int outside : {0, -1, frame::kBytes + 1})
        require(frame::read_missing_part(answer.get(), outside, no_read) == outside, "nothing to read outside the frame");
    return 0;
}
