// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interrupt.h"

namespace telvar::cli {

namespace {

// The first signal's number; a second one changes nothing.
volatile std::sig_atomic_t g_signal = 0;

void request(int signal)
{
    if (g_signal == 0)
        g_signal = signal;
}

}  // namespace

InterruptWatch::InterruptWatch()
{
    g_signal = 0;
    struct sigaction action = {};
    action.sa_handler = request;
    // A write to a full pipe goes on after the signal instead of failing
    // half done; the command sees the request at its next check.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_int_);
    sigaction(SIGTERM, &action, &previous_term_);
}

InterruptWatch::~InterruptWatch()
{
    sigaction(SIGINT, &previous_int_, nullptr);
    sigaction(SIGTERM, &previous_term_, nullptr);
}

bool interrupt_requested()
{
    return g_signal != 0;
}

int interrupt_exit_code()
{
    return g_signal == 0 ? 0 : 128 + g_signal;
}

}  // namespace telvar::cli
