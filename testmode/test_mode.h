// SPDX-License-Identifier: GPL-3.0-or-later
// Test mode: ENTER and EXIT switch the controller into test mode and back;
// in test mode every committed change of a test control sends the whole test
// data block, and the answer the controller returns is shown on the page.
#pragma once

#include "link/com232.h"
#include "platform/userint.h"

namespace telvar {

// The two lamps' first colours: red for the first, yellow for the second.
void setup_test_panel();

void get_test_data();
void set_test_data();
void exchange_test_data();

CtrlCallback CC_CMD_ENTER_TEST;
CtrlCallback CC_EXIT_TEST;
CtrlCallback CC_TESTPANEL;

}  // namespace telvar
