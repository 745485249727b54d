#include "cli/commands.h"

#include <string_view>

namespace telvar::cli {

namespace {

struct CommandEntry {
    std::string_view name;
    int (*run)(const Invocation& invocation);
};

constexpr CommandEntry kCommands[] = {
    {"help", run_help},       {"list-ports", run_list_ports}, {"info", run_info},
    {"reset", run_reset},     {"teach", run_teach},           {"get", run_get},
    {"send", run_send},       {"verify", run_verify},         {"live", run_live},
    {"datamem", run_datamem}, {"merge", run_merge},           {"download", run_download},
};

}  // namespace

// The command line was checked against the same names.
int run(const Invocation& invocation)
{
    for (const CommandEntry& command : kCommands)
        if (command.name == invocation.command)
            return command.run(invocation);
    return run_help(invocation);
}

}  // namespace telvar::cli
