// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "platform/files.h"

#include <string_view>

namespace telvar::cli {

namespace {

struct CommandEntry {
    std::string_view name;
    int (*run)(const Invocation& invocation);
};

constexpr CommandEntry kCommands[] = {
    {"help", run_help},       {"version", run_version}, {"list-ports", run_list_ports},
    {"info", run_info},       {"reset", run_reset},     {"teach", run_teach},
    {"get", run_get},         {"send", run_send},       {"verify", run_verify},
    {"live", run_live},       {"datamem", run_datamem}, {"merge", run_merge},
    {"publish", run_publish},  {"stats", run_stats},
    {"download", run_download}, {"report", run_report},
    {"fleet", run_fleet},
};

int run_named(const Invocation& invocation)
{
    for (const CommandEntry& command : kCommands)
        if (command.name == invocation.command)
            return command.run(invocation);
    return run_help(invocation);
}

}  // namespace

// The command line was checked against the same names. A command that got
// its work done keeps its result, though a signal came after the work, but
// not when what it had to say could not be written. A command that failed
// while a signal came ends with the signal's status; one that says itself
// what the signal left ends with that status.
int run(const Invocation& invocation)
{
    set_quiet(invocation.quiet);
    const int code = run_named(invocation);
    const bool done = code == EXIT_DONE || code == EXIT_DIFFERENCES;
    if (done && !output_failure().empty())
        return fail(EXIT_FILE, WithReason("Could not write to standard output", output_failure()));
    if (done || !interrupt_requested() || code == interrupt_exit_code())
        return code;
    return fail_interrupted();
}

}  // namespace telvar::cli
