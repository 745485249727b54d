// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of telvar-k20, one function each; every one returns the
// program's exit code.
#pragma once

#include "cli/invocation.h"

namespace telvar::cli {

// The command the invocation names, with its -q.
int run(const Invocation& invocation);

int run_help(const Invocation& invocation);
int run_version(const Invocation& invocation);
int run_list_ports(const Invocation& invocation);
int run_info(const Invocation& invocation);
int run_reset(const Invocation& invocation);
int run_teach(const Invocation& invocation);
int run_get(const Invocation& invocation);
int run_send(const Invocation& invocation);
int run_verify(const Invocation& invocation);
int run_report(const Invocation& invocation);
int run_live(const Invocation& invocation);
int run_stats(const Invocation& invocation);
int run_publish(const Invocation& invocation);
int run_datamem(const Invocation& invocation);
int run_merge(const Invocation& invocation);
int run_download(const Invocation& invocation);
int run_fleet(const Invocation& invocation);

}  // namespace telvar::cli
