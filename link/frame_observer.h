// SPDX-License-Identifier: GPL-3.0-or-later
// Who watches the frames of the exchange go by: the frame monitor, while it
// is open. With nobody watching, a frame costs the exchange one check:
// nothing is copied, formatted or allocated for it.
#pragma once

#include <functional>
#include <string>

namespace telvar {

enum class FrameEvent {
    Request,      // a request written whole
    Answer,       // 36 bytes taken as the answer, whatever their sync word
    TimedOut,     // no whole answer within the attempt's wait
    WriteFailed,  // the request could not be written whole
    DataFailed,   // the answer could not be read whole
};

struct FrameSeen {
    FrameEvent event;
    int attempt;                   // 1, then 2 and up for the retries of the same request
    const unsigned char* request;  // the request's 36 bytes, whatever the event
    const unsigned char* answer;   // the answer's 36 bytes; nullptr unless the event is Answer
};

using FrameObserver = std::function<void(const FrameSeen& seen)>;

// Told of every event of every attempt. Each observer has a name; setting a
// name again replaces its observer, an empty observer removes it.
void set_frame_observer(const std::string& name, FrameObserver observer);
// Whether anybody watches the frames.
bool frames_watched();
// The exchange's report of a frame event.
void report_frame_seen(const FrameSeen& seen);

}  // namespace telvar
