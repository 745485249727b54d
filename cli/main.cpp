// SPDX-License-Identifier: GPL-3.0-or-later
// telvar-k20: the controller from the command line, with the tool's own
// modules and no display.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/interrupt.h"
#include "cli/invocation.h"
#include "cli/line.h"
#include "platform/console.h"
#include "platform/document_module.h"

#include <csignal>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace telvar::cli;
    // A closed pipe or a file size limit fails the write, which the command
    // reports, instead of ending the program wherever it stands, a download
    // with the controller in its boot loader.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    const ParsedCommandLine parsed = parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    // A report is laid out on pages, which takes fonts, though no display.
    if (parsed.invocation.command != "report" || !telvar::StartDocumentModule(argc, argv))
        telvar::InitConsole(argc, argv);
    // From here on Ctrl-C and SIGTERM let the command end in order.
    const InterruptWatch interrupt;
    route_to_console();
    find_pseudo_terminals_where_told();
    if (!parsed.error.empty())
        return fail_usage(parsed.error);
    return run(parsed.invocation);
}
