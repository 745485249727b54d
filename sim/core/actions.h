// SPDX-License-Identifier: GPL-3.0-or-later
// What a link has to do on the line after the core has handled its input:
// send bytes (after an optional pause), change the line speed, or hang up.
// The transports play these in order.
#pragma once

#include <chrono>
#include <cstdint>
#include <variant>
#include <vector>

namespace telvar::sim {

using Bytes = std::vector<std::uint8_t>;

struct Send {
    std::chrono::milliseconds pause{0};
    Bytes bytes;
};

struct SwitchBaud {
    int baud;
};

struct Close {};

using Action = std::variant<Send, SwitchBaud, Close>;
using Actions = std::vector<Action>;

inline void append(Actions& to, const Actions& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace telvar::sim
