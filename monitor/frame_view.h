// SPDX-License-Identifier: GPL-3.0-or-later
// The frames the monitor lists: those of the log that pass the filter,
// oldest first. It follows the log when told to, so that the window can tell
// its table which rows went from the top and which came at the bottom.
#pragma once

#include "monitor/frame_log.h"

#include <cstdint>
#include <deque>
#include <optional>

namespace telvar {

class FrameView {
public:
    explicit FrameView(const FrameLog& log);

    // Lists only the frames of requests with this order code and their
    // answers and failures; nullopt lists every frame. Lists the log anew.
    void set_filter(std::optional<int> order);
    // Takes in what the log gained and lost since the last call: the number
    // of rows that went from the top.
    std::size_t follow();

    std::size_t size() const { return rows_.size(); }
    // nullptr once the row's frame has left the log and follow() has not yet
    // taken the row away.
    const FrameRecord* row(std::size_t index) const;

private:
    const FrameLog& log_;
    std::optional<int> filter_;
    std::deque<std::uint64_t> rows_;  // the log's numbers of the rows
    std::uint64_t next_ = 0;          // the first number not yet looked at
};

}  // namespace telvar
