// SPDX-License-Identifier: GPL-3.0-or-later
// What the frame monitor keeps: the last frames of the exchange, each with
// its time, and the events that stood for a frame (a time-out, a failed
// write or read). A bounded ring: the newest frame pushes out the oldest.
#pragma once

#include "link/frame.h"
#include "link/frame_observer.h"

#include <cstdint>
#include <vector>

namespace telvar {

struct FrameRecord {
    double time = 0;        // seconds since the monitor opened
    FrameEvent event = FrameEvent::Request;
    int attempt = 1;
    std::uint16_t order = 0;  // the request's order code, for the answer and the failures too
    std::uint16_t sync = 0;   // the frame's first word
    std::uint16_t code = 0;   // the frame's own order code: an answer may differ from its request
    frame::Words words{};     // all zero where no frame went or came whole
};

// The record of what the exchange reported at `time`.
FrameRecord record_of(const FrameSeen& seen, double time);

bool outgoing(const FrameRecord& record);
// Whether the record carries a whole frame: a request or an answer.
bool whole_frame(const FrameRecord& record);

class FrameLog {
public:
    static constexpr std::size_t kCapacity = 10000;

    FrameLog();

    void add(const FrameRecord& record);
    void clear();

    // Every record gets the next number; the log holds the numbers from
    // first() up to, not including, end().
    std::uint64_t first() const { return first_; }
    std::uint64_t end() const { return end_; }
    std::size_t size() const { return static_cast<std::size_t>(end_ - first_); }
    // nullptr for a number the log no longer (or not yet) holds.
    const FrameRecord* find(std::uint64_t number) const;

private:
    std::vector<FrameRecord> ring_;
    std::uint64_t first_ = 0;
    std::uint64_t end_ = 0;
};

}  // namespace telvar
