// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frame_observer.h"

#include "platform/listeners.h"

#include <utility>

namespace telvar {

namespace {

Listeners<FrameSeen> g_frame_observers;

}  // namespace

void set_frame_observer(const std::string& name, FrameObserver observer)
{
    g_frame_observers.set(name, std::move(observer));
}

bool frames_watched()
{
    return !g_frame_observers.empty();
}

void report_frame_seen(const FrameSeen& seen)
{
    g_frame_observers.tell(seen);
}

}  // namespace telvar
