// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/frame_log.h"

namespace telvar {

namespace {

frame::Words words_of(const unsigned char* bytes)
{
    frame::Words words{};
    for (int k = 0; k < frame::kWords; ++k)
        words[k] = frame::read_word(bytes + 4 + 2 * k);
    return words;
}

}  // namespace

FrameRecord record_of(const FrameSeen& seen, double time)
{
    FrameRecord record;
    record.time = time;
    record.event = seen.event;
    record.attempt = seen.attempt;
    record.order = frame::read_word(seen.request + 2);
    record.code = record.order;
    const unsigned char* bytes = seen.event == FrameEvent::Answer ? seen.answer : seen.request;
    if (seen.event == FrameEvent::Request || seen.event == FrameEvent::Answer) {
        record.sync = frame::read_word(bytes);
        record.code = frame::read_word(bytes + 2);
        record.words = words_of(bytes);
    }
    return record;
}

bool outgoing(const FrameRecord& record)
{
    return record.event == FrameEvent::Request || record.event == FrameEvent::WriteFailed;
}

bool whole_frame(const FrameRecord& record)
{
    return record.event == FrameEvent::Request || record.event == FrameEvent::Answer;
}

FrameLog::FrameLog() : ring_(kCapacity) {}

void FrameLog::add(const FrameRecord& record)
{
    ring_[end_ % kCapacity] = record;
    ++end_;
    if (end_ - first_ > kCapacity)
        ++first_;
}

void FrameLog::clear()
{
    first_ = end_;
}

const FrameRecord* FrameLog::find(std::uint64_t number) const
{
    if (number < first_ || number >= end_)
        return nullptr;
    return &ring_[number % kCapacity];
}

}  // namespace telvar
