// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/live_sample.h"

#include "link/command.h"
#include "link/orders.h"
#include "scope/traces.h"

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
unsigned short rawdata[PNUM];
}  // namespace state

const unsigned short (&rawdata)[PNUM] = state::rawdata;

using std::chrono::steady_clock;

namespace {

steady_clock::time_point g_came;  // when the last live answer came

// When the answer to a request made at `asked` came: the line's stamp, or
// now where the line gave none for it.
steady_clock::time_point answer_time(steady_clock::time_point asked)
{
    return rx_time >= asked ? rx_time : steady_clock::now();
}

}  // namespace

// Made when first used: the command-line tool never takes its memory.
StripStore& strip_history()
{
    static StripStore history(TRACES, STRIP_HOUR_SAMPLES, STRIP_SAMPLES);
    return history;
}

const StripStore& yArray()
{
    return strip_history();
}

steady_clock::time_point live_answer_time()
{
    return g_came;
}

double seconds_since_epoch(steady_clock::time_point at)
{
    const auto then = std::chrono::system_clock::now() - (steady_clock::now() - at);
    return std::chrono::duration<double>(then.time_since_epoch()).count();
}

bool exchange_live_sample()
{
    const steady_clock::time_point asked = steady_clock::now();
    clear_rx_flag();
    Command request;
    request.order = ORDER_RAWDATA;
    request.payload[0] = 1;
    request.answer = state::rawdata;
    const CommandOutcome outcome = exchange_command(request);
    if (outcome == CommandOutcome::Answered) {
        g_came = answer_time(asked);
        return true;
    }
    report_command_outcome(request, outcome);
    if (outcome == CommandOutcome::Refused)
        raise_stop_flag();  // this loop cannot go on; nothing failed on the line
    return false;
}

}  // namespace telvar
