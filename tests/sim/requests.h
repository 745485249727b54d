// SPDX-License-Identifier: GPL-3.0-or-later
// Request frames and answer decoding for the simulator tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

#include "link/frame.h"
#include "link/orders.h"
#include "sim/core/actions.h"
#include "sim/core/controller.h"

namespace telvar::sim::test {

inline frame::Words words_of(std::initializer_list<std::uint16_t> leading)
{
    frame::Words words{};
    std::copy(leading.begin(), leading.end(), words.begin());
    return words;
}

inline Request request(int order, std::initializer_list<std::uint16_t> leading = {})
{
    return {static_cast<std::uint16_t>(order), words_of(leading)};
}

inline Bytes request_bytes(int order, const frame::Words& words)
{
    Bytes bytes(frame::kBytes);
    frame::encode(bytes.data(), frame::kSyncWord, order, words.data());
    return bytes;
}

inline Bytes request_bytes(int order, std::initializer_list<std::uint16_t> leading = {})
{
    return request_bytes(order, words_of(leading));
}

inline frame::Words download_key()
{
    frame::Words words{};
    for (int k = 0; k < frame::kWords; ++k)
        words[k] = k % 2 == 0 ? DOWNLOAD_KEY_EVEN : DOWNLOAD_KEY_ODD;
    return words;
}

inline frame::Answer decoded(const Bytes& bytes)
{
    return *frame::decode(bytes.data());
}

// Everything the actions send, joined, pauses left out.
inline std::string sent_text(const Actions& actions)
{
    std::string all;
    for (const Action& action : actions) {
        if (const auto* send = std::get_if<Send>(&action))
            all.append(send->bytes.begin(), send->bytes.end());
    }
    return all;
}

inline Bytes sent_bytes(const Actions& actions)
{
    const std::string text = sent_text(actions);
    return Bytes(text.begin(), text.end());
}

inline Bytes text_bytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

}  // namespace telvar::sim::test
