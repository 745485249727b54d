// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/faults.h"

#include <algorithm>

namespace telvar::sim {

namespace {

// Where a split answer is cut: the first piece is a little over half.
constexpr std::size_t kSplitAt = 20;

}  // namespace

FaultInjector::FaultInjector(const FaultOptions& options) : options_(options), garbage_source_(0x6A5) {}

bool FaultInjector::ignores(int order)
{
    ++requests_;
    if (!active())
        return false;
    return options_.silent || (options_.silent_every > 0 && requests_ % options_.silent_every == 0)
           || options_.silent_codes.contains(order);
}

bool FaultInjector::refuses(int order) const
{
    return active() && options_.refused_codes.contains(order);
}

Actions FaultInjector::shape(Bytes answer)
{
    if (!active())
        return {Send{std::chrono::milliseconds(0), answer}};
    if (options_.wrong_sync && answer.size() >= 2)
        std::swap(answer[0], answer[1]);
    if (options_.short_answer && !answer.empty())
        answer.pop_back();

    Bytes first;
    std::uniform_int_distribution<int> any_byte(0, 255);
    for (int k = 0; k < options_.garbage; ++k)
        first.push_back(static_cast<std::uint8_t>(any_byte(garbage_source_)));

    if (!options_.split_pause) {
        first.insert(first.end(), answer.begin(), answer.end());
        return {Send{options_.delay, first}};
    }
    const auto cut = answer.begin() + static_cast<std::ptrdiff_t>(std::min(kSplitAt, answer.size()));
    first.insert(first.end(), answer.begin(), cut);
    return {Send{options_.delay, first}, Send{*options_.split_pause, Bytes(cut, answer.end())}};
}

bool FaultInjector::hangs_up_after_answer()
{
    ++answers_;
    return options_.close_after > 0 && answers_ >= options_.close_after;
}

}  // namespace telvar::sim
