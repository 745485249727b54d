// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmode/test_block.h"

#include "link/orders.h"
#include "link/status.h"
#include "platform/translation.h"

#include <algorithm>

namespace telvar {

namespace state {
unsigned short testdata[PNUM];
}  // namespace state
const unsigned short (&testdata)[PNUM] = state::testdata;

void set_test_word(int word, unsigned short value)
{
    state::testdata[word] = value;
}

CommandOutcome exchange_test_block()
{
    Command request;
    request.order = ORDER_TEST_DATA;
    std::copy_n(testdata, PNUM, request.payload.begin());
    request.answer = state::testdata;
    const CommandOutcome outcome = exchange_command(request);
    switch (outcome) {
    case CommandOutcome::Answered:
        put_status(tr_text("TestMode", "Rawdata recieved."));
        break;
    case CommandOutcome::EchoIncorrect:
        // The test controls stay usable; the next change sends again.
        set_status(tr_text("Line", ECHO_INCORRECT_TEXT));
        break;
    default:
        report_command_outcome(request, outcome);
        break;
    }
    return outcome;
}

}  // namespace telvar
