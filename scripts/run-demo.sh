#!/usr/bin/env bash
# Builds the tool and the controller simulator, starts the simulator on
# loopback TCP and on a pseudo-terminal, runs the tool, and stops the
# simulator when the tool ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release

bin=build/release/bin
pty_link=/tmp/ttyTELVAR0   # COM port 65 in the tool's connection dialog
tcp_port=10001             # the connection dialog's default port

"$bin/telvar-k20-sim" --tcp "$tcp_port" --pty "$pty_link" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null || true' EXIT

# Wait until the simulator listens, without guessing a delay.
for _ in $(seq 100); do
  if [ -e "$pty_link" ] && (exec 3<>"/dev/tcp/127.0.0.1/$tcp_port") 2>/dev/null; then
    break
  fi
  kill -0 "$sim_pid" 2>/dev/null || { echo "the simulator did not start" >&2; exit 1; }
  sleep 0.1
done

"$bin/telvar-k20-dizer"
