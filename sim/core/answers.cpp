// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/answers.h"

#include <algorithm>

#include "link/orders.h"

namespace telvar::sim {

Bytes answer_frame(int order, const frame::Words& words)
{
    Bytes bytes(frame::kBytes);
    frame::encode(bytes.data(), frame::kSyncWord, order, words.data());
    return bytes;
}

Bytes acknowledged(int order)
{
    frame::Words words{};
    words[0] = ANSWER_ACK;
    return answer_frame(order, words);
}

Bytes refused(int order)
{
    frame::Words words{};
    words[0] = kRefused;
    return answer_frame(order, words);
}

Bytes version_text(std::string_view text)
{
    Bytes bytes(frame::kBytes, 0);
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), frame::kBytes), bytes.begin());
    return bytes;
}

}  // namespace telvar::sim
