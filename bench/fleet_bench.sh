#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What `telvar-k20 fleet verify` costs over 50 simulators on loopback TCP,
# each paced like the controller's 19200-baud line (no --fast): the wall
# time with --jobs 8 and with --jobs 1 and their ratio, and the peak memory
# of the whole fleet run. The memory is the largest sum of the resident
# memory (VmRSS) of the fleet and all its children at one moment, sampled
# every 10 ms from /proc; GNU time's maximum RSS beside it is the largest
# single process of the run (the fleet or one child), not a sum. Give the
# folder of the programs to measure another build:
#
#   bash bench/fleet_bench.sh [build/release/bin]
set -euo pipefail
bin=${1:-"$(cd "$(dirname "$0")/.." && pwd)/build/release/bin"}
count=50
runs=2
work=$(mktemp -d)
sims=()
cleanup() {
  for sim in "${sims[@]}"; do kill "$sim" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

ports=$(python3 -c "
import socket
held = [socket.socket() for _ in range($count)]
for s in held: s.bind(('127.0.0.1', 0))
print(' '.join(str(s.getsockname()[1]) for s in held))")
echo "name,line" > "$work/targets.csv"
k=0
for port in $ports; do
  k=$((k + 1))
  "$bin/telvar-k20-sim" --tcp "$port" > /dev/null 2>&1 &
  sims+=($!)
  printf 'st%02d,tcp:127.0.0.1:%s\n' "$k" "$port" >> "$work/targets.csv"
done
for port in $ports; do
  for _ in $(seq 50); do
    python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1).close()" 2> /dev/null && break
    sleep 0.1
  done
done
first=${ports%% *}
"$bin/telvar-k20" --tcp "127.0.0.1:$first" get -q -o "$work/good.ini"

# Runs the fleet under GNU time and samples its process tree: prints
# "wall_seconds max_single_rss_kb peak_sum_rss_kb peak_processes exit".
measure() {
  /usr/bin/time -o "$work/time" -f '%e %M' \
    "$bin/telvar-k20" fleet --targets "$work/targets.csv" --jobs "$1" verify "$work/good.ini" > "$work/out" 2>&1 &
  local timer=$!
  python3 - "$timer" <<'PY'
import os, sys, time
root = int(sys.argv[1])
def tree():
    parents = {}
    for entry in os.listdir('/proc'):
        if entry.isdigit():
            try:
                with open(f'/proc/{entry}/stat') as f:
                    parents[int(entry)] = int(f.read().rsplit(')', 1)[1].split()[1])
            except OSError:
                pass
    found, frontier = set(), [root]
    while frontier:
        pid = frontier.pop()
        children = [p for p, q in parents.items() if q == pid]
        found.update(children)
        frontier.extend(children)
    return found
def rss(pid):
    try:
        with open(f'/proc/{pid}/status') as f:
            for line in f:
                if line.startswith('VmRSS:'):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0
peak, most = 0, 0
while os.path.exists(f'/proc/{root}') and open(f'/proc/{root}/stat').read().split()[2] != 'Z':
    pids = tree()  # the fleet and its children, below GNU time
    peak = max(peak, sum(rss(p) for p in pids))
    most = max(most, len(pids))
    time.sleep(0.01)
with open(os.environ['SAMPLES'], 'w') as f:
    f.write(f'{peak} {most}\n')
PY
  local code=0
  wait "$timer" || code=$?
  read -r wall single < "$work/time"
  read -r peak most < "$work/samples"
  echo "$wall $single $peak $most $code"
}

export SAMPLES="$work/samples"
for jobs in 8 1; do
  for _ in $(seq "$runs"); do
    echo "$jobs $(measure "$jobs")" >> "$work/results"
  done
done
python3 - "$work/results" "$count" <<'PY'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1]) if line.strip()]
by_jobs = {}
for jobs, wall, single, peak, most, code in rows:
    by_jobs.setdefault(int(jobs), []).append((float(wall), int(single), int(peak), int(most), int(code)))
for jobs, runs in sorted(by_jobs.items(), reverse=True):
    walls = [r[0] for r in runs]
    print(f"--jobs {jobs}: wall {', '.join(f'{w:.2f}' for w in walls)} s; "
          f"peak sum of resident memory {max(r[2] for r in runs) / 1024:.1f} MB over at most {max(r[3] for r in runs)} processes; "
          f"largest single process {max(r[1] for r in runs) / 1024:.1f} MB; exit codes {sorted({r[4] for r in runs})}")
ratio = statistics.median(r[0] for r in by_jobs[1]) / statistics.median(r[0] for r in by_jobs[8])
print(f"{sys.argv[2]} targets, median wall time --jobs 1 / --jobs 8: {ratio:.1f}x")
PY
