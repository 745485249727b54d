#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The first start as a newcomer meets it: clones this repository's HEAD into
# a temporary folder, runs the demo command there on a virtual display and
# stops the clock when the tool's main window is on the screen. Prints the
# seconds to the window, then the build alone. The packages must be in
# already (scripts/install-deps.sh); nothing is cached between runs.
#
#   bash bench/demo_start.sh
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q "$repo" "$work/clone"
cd "$work/clone"
# The compiler cache of a developer's shell would make the first start look
# faster than a newcomer's.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  start=$(date +%s.%N)
  bash scripts/run-demo.sh > demo.log 2>&1 &
  demo=$!
  until xwininfo -root -tree 2>/dev/null | grep -q "\"TELVAR-K20-Dizer\""; do
    kill -0 "$demo" 2>/dev/null || { cat demo.log >&2; exit 1; }
    sleep 0.2
  done
  shown=$(date +%s.%N)
  built=$(stat -c %Y build/release/bin/telvar-k20-dizer)
  pkill -P "$demo" -f telvar-k20-dizer || true
  wait "$demo" || true
  awk -v s="$start" -v w="$shown" -v b="$built" \
    "BEGIN { printf \"window after %.0f s (the build took %.0f s of it)\\n\", w - s, b - s }"
'
