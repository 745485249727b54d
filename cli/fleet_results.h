// SPDX-License-Identifier: GPL-3.0-or-later
// What fleet tells of its targets: a table of name, line, result and
// message, or one JSON document; and the exit code of the whole run.
#pragma once

#include "cli/fleet_targets.h"

#include <string>
#include <vector>

namespace telvar::cli {

enum class TargetState { NotRun, Done, Differences, Failed, Interrupted };

struct TargetOutcome {
    TargetState state = TargetState::NotRun;
    int exit = -1;          // the child's exit code; -1 when it did not run or did not end by itself
    std::string out;        // the child's standard output
    std::string error;      // why it failed, as the child said it last
    std::string file;       // get and report: the file written
};

// The table, a row each target in the file's order, with the header.
std::string fleet_table(const std::string& command, const std::vector<FleetTarget>& targets,
                        const std::vector<TargetOutcome>& outcomes);
// {"command", "targets": [{"name", "line", "exit", "result", ...the child's
// JSON keys, "file", "error"}], "ok", "failed", "not_run"} on one line.
std::string fleet_json(const std::string& command, const std::vector<FleetTarget>& targets,
                       const std::vector<TargetOutcome>& outcomes);
// "12 targets: 11 ok, 1 failed", and how many were not run, if any.
std::string fleet_summary(const std::vector<TargetOutcome>& outcomes);
// EXIT_FLEET when any target failed, else EXIT_DIFFERENCES when any verify
// found differences, else EXIT_DONE.
int fleet_exit_code(const std::vector<TargetOutcome>& outcomes);

}  // namespace telvar::cli
