// SPDX-License-Identifier: GPL-3.0-or-later
// The test data block: the 16 words test mode sends, which the controller's
// answer then replaces.
#pragma once

#include "link/com232.h"
#include "link/command.h"

namespace telvar {

extern const unsigned short (&testdata)[PNUM];

void set_test_word(int word, unsigned short value);

// Sends the block and takes the answer into it. An answer puts "Rawdata
// recieved." for show_status once the answer is shown; a wrong sync word
// shows its text alone, the test controls staying usable; any other failure
// is reported as every command's.
CommandOutcome exchange_test_block();

}  // namespace telvar
