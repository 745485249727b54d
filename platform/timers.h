// SPDX-License-Identifier: GPL-3.0-or-later
// Timers of the run-time platform: a callback that runs from the event loop
// at a fixed interval, between other events and inside any local wait that
// processes events.
#pragma once

#include <functional>

namespace telvar {

// Starts a repeating timer of `seconds` of platform time; its id (> 0).
int NewRepeatingTimer(double seconds, std::function<void()> tick);
// Stops and forgets the timer; an unknown id is ignored.
void DiscardTimer(int id);

}  // namespace telvar
