// SPDX-License-Identifier: GPL-3.0-or-later
// info, reset and teach: the version text, and the orders the controller
// acknowledges, with the texts of the main window's buttons.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/json_texts.h"
#include "cli/line.h"
#include "link/command.h"
#include "link/line_check.h"
#include "link/orders.h"

namespace telvar::cli {

namespace {

int acknowledged_order(const Invocation& invocation, int order, const char* announcement)
{
    return with_line(invocation.line, [&]() -> int {
        if (!send_acknowledged(order, announcement))
            return fail_with_status();
        tell(last_status());
        return EXIT_DONE;
    });
}

}  // namespace

// Every opening of the line queries the version.
int run_info(const Invocation& invocation)
{
    return with_line(invocation.line, [&]() -> int {
        say(invocation.json ? info_json(line_name(invocation.line), szVersion) : szVersion);
        return EXIT_DONE;
    });
}

int run_reset(const Invocation& invocation)
{
    return acknowledged_order(invocation, ORDER_RESET, "Reseting data ... ");
}

int run_teach(const Invocation& invocation)
{
    return acknowledged_order(invocation, ORDER_TEACH, "Sending TEACH order ... ");
}

}  // namespace telvar::cli
