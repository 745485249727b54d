// SPDX-License-Identifier: GPL-3.0-or-later
// Event processing, waiting and the clock of the run-time platform.
#pragma once

#include <functional>

namespace telvar {

// Runs every pending user-interface and link event once, then returns.
void ProcessSystemEvents();

// Processes events for up to `milliseconds`, returning early as soon as a
// link callback (serial receive or TCP) has run. Idle waiting costs no CPU.
void WaitEvents(int milliseconds);

// Called by the link layers after they delivered a callback, so that a
// running WaitEvents returns and its caller can look at the new state.
void WakeWaiters();
// How deep the calls above nest in ProcessSystemEvents and WaitEvents: 0
// outside them. Code that runs from an event handled inside one of them sees
// a greater depth than the code that waits.
int EventProcessingDepth();
// Runs `call` from the event loop once the present event is handled. What
// processes events for long (a measuring loop) must not start inside a
// timer's tick: timers do not fire in event loops nested in a tick.
void PostDeferredCall(std::function<void()> call);

// Seconds since the program started.
double Timer();

// Sleeps the thread for `seconds` (of the platform's clock), processing nothing.
void Delay(double seconds);

// A real-time interval in milliseconds for `seconds` of platform time.
int ScaledMilliseconds(double seconds);

}  // namespace telvar
