// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/frame_view.h"

#include <algorithm>

namespace telvar {

FrameView::FrameView(const FrameLog& log) : log_(log), next_(log.first()) {}

void FrameView::set_filter(std::optional<int> order)
{
    filter_ = order;
    rows_.clear();
    next_ = log_.first();
    follow();
}

std::size_t FrameView::follow()
{
    std::size_t dropped = 0;
    while (!rows_.empty() && rows_.front() < log_.first()) {
        rows_.pop_front();
        ++dropped;
    }
    for (std::uint64_t number = std::max(next_, log_.first()); number < log_.end(); ++number)
        if (!filter_ || log_.find(number)->order == *filter_)
            rows_.push_back(number);
    next_ = log_.end();
    return dropped;
}

const FrameRecord* FrameView::row(std::size_t index) const
{
    return index < rows_.size() ? log_.find(rows_[index]) : nullptr;
}

}  // namespace telvar
