// SPDX-License-Identifier: GPL-3.0-or-later
// Cuts request frames out of a byte stream that has no framing of its own.
//
// Resynchronisation: a frame starts at the sync word 00 55, and bytes before
// it are dropped. A frame that stays incomplete while the line is quiet for
// kFrameGap is dropped too: a sender writes a request in one go, so such a
// piece is garbage or a cut-off request, and the sender's retry then starts
// on a clean receiver.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "sim/core/actions.h"
#include "sim/core/controller.h"
#include "sim/core/time.h"

namespace telvar::sim {

inline constexpr Time kFrameGap = std::chrono::milliseconds(100);

class FrameReceiver {
public:
    std::vector<Request> feed(std::span<const std::uint8_t> bytes, Time now);

private:
    void take(std::uint8_t byte, std::vector<Request>& frames);

    Bytes pending_;
    Time last_byte_{};
};

}  // namespace telvar::sim
