// SPDX-License-Identifier: GPL-3.0-or-later
// --list-ports: the COM ports present, with what the system knows of each,
// so that an operator with several USB converters finds the right one.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/json_texts.h"
#include "platform/serial_ports.h"

namespace telvar::cli {

int run_list_ports(const Invocation& invocation)
{
    const std::vector<ComPortInfo> ports = DescribeComPorts();
    if (invocation.json) {
        say(ports_json(ports));
        return EXIT_DONE;
    }
    for (const ComPortInfo& port : ports)
        say(ComPortLabel(port));
    if (ports.empty() && !invocation.quiet)
        note("No COM port found.");
    return EXIT_DONE;
}

}  // namespace telvar::cli
