// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl-C (SIGINT) and SIGTERM as a request to end the running command at
// its next check, so that it leaves its files whole and closes the line
// first, and ends with the status a shell expects of that signal.
#pragma once

#include <csignal>

namespace telvar::cli {

class InterruptWatch {
public:
    InterruptWatch();   // from now on the two signals only set the request
    ~InterruptWatch();  // they end the program again
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    struct sigaction previous_int_;
    struct sigaction previous_term_;
};

// Whether one of the signals asked the command to end.
bool interrupt_requested();
// 128 plus the signal's number (130 for SIGINT, 143 for SIGTERM); 0 while
// no signal came.
int interrupt_exit_code();

}  // namespace telvar::cli
