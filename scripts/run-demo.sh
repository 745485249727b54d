#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tool and the controller simulator, starts the simulator on
# loopback TCP and on a pseudo-terminal, runs the tool, and stops the
# simulator when the tool ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
# Only what the demo runs: the tool with its panel files, and the simulator.
cmake --build --preset release --target telvar-k20-dizer telvar-k20-sim

bin=build/release/bin
pty_link=/tmp/ttyTELVAR0   # COM port 65 in the tool's connection dialog
tcp_port=10001             # the connection dialog's default port

# The simulator answers at the pace of the controller's 19200-baud line on both.
coproc SIM { exec "$bin/telvar-k20-sim" --tcp "$tcp_port" --pty "$pty_link" --baud-pacing; }
sim_pid=$SIM_PID
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null || true' EXIT

# The simulator names each line it serves, then says "ready".
while IFS= read -r -t 15 line <&"${SIM[0]}"; do
  echo "simulator: $line"
  [ "$line" = ready ] && break
done
[ "${line:-}" = ready ] || { echo "the simulator did not start" >&2; exit 1; }

"$bin/telvar-k20-dizer"
