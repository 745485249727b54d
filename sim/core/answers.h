// SPDX-License-Identifier: GPL-3.0-or-later
// The byte forms of the controller's answers.
#pragma once

#include <cstdint>
#include <string_view>

#include "link/frame.h"
#include "sim/core/actions.h"

namespace telvar::sim {

// Payload word 0 of a refused command; anything but the acknowledgement.
inline constexpr std::uint16_t kRefused = 0x0000;

Bytes answer_frame(int order, const frame::Words& words);
Bytes acknowledged(int order);
Bytes refused(int order);
// The version answer is plain text, zero-padded to a frame, no sync word.
Bytes version_text(std::string_view text);

}  // namespace telvar::sim
