#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What `telvar-k20 info` costs against the simulator on loopback TCP: the
# wall time and the peak resident memory of each of 20 runs (GNU time),
# printed as the smallest, the median and the largest. Give the folder of
# the programs to measure another build:
#
#   bash bench/cli_info.sh [build/release/bin]
set -euo pipefail
bin=${1:-"$(cd "$(dirname "$0")/.." && pwd)/build/release/bin"}
runs=20
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$bin/telvar-k20-sim" --tcp "$port" > /dev/null 2>&1 &
sim=$!
trap 'kill "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  "$bin/telvar-k20" --tcp "127.0.0.1:$port" info > /dev/null 2>&1 && break
  sleep 0.1
done
log=$(mktemp)
for _ in $(seq "$runs"); do
  /usr/bin/time -a -o "$log" -f '%e %M' "$bin/telvar-k20" --tcp "127.0.0.1:$port" info > /dev/null
done
python3 - "$log" <<'PY'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1]) if line.strip()]
seconds = [float(r[0]) for r in rows]
kilobytes = [int(r[1]) for r in rows]
def line(name, values, unit):
    low, middle, high = min(values), statistics.median(values), max(values)
    print(f"{name}: min {low:.2f} {unit}, median {middle:.2f} {unit}, max {high:.2f} {unit}")
line("wall time", seconds, "s")
line("peak resident memory", [k / 1024 for k in kilobytes], "MB")
PY
rm -f "$log"
