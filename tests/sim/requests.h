// Request frames and answer decoding for the simulator tests.
#pragma once

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
    int k = 0;
    for (std::uint16_t word : leading)
        words[k++] = word;
    return words;
}

inline Request request(int order, std::initializer_list<std::uint16_t> leading = {})
{
    return {static_cast<std::uint16_t>(order), words_of(leading)};
}

inline Bytes request_bytes(int order, std::initializer_list<std::uint16_t> leading = {})
{
    Bytes bytes(frame::kBytes);
    frame::encode(bytes.data(), frame::kSyncWord, order, words_of(leading).data());
    return bytes;
}

inline Bytes request_bytes(int order, const frame::Words& words)
{
    Bytes bytes(frame::kBytes);
    frame::encode(bytes.data(), frame::kSyncWord, order, words.data());
    return bytes;
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

// Everything the actions send, joined, ignoring pauses.
inline Bytes sent_bytes(const Actions& actions)
{
    Bytes all;
    for (const Action& action : actions) {
        if (const auto* send = std::get_if<Send>(&action))
            all.insert(all.end(), send->bytes.begin(), send->bytes.end());
    }
    return all;
}

inline std::string sent_text(const Actions& actions)
{
    const Bytes bytes = sent_bytes(actions);
    return std::string(bytes.begin(), bytes.end());
}

inline Bytes text_bytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

}  // namespace telvar::sim::test
