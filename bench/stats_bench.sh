#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What `telvar-k20 stats --csv` costs over a recording of one hour (96,000
# rows of the recorder's columns, a sample every 37.5 ms): the wall time and
# the peak resident memory of each of 10 runs (GNU time), printed as the
# smallest, the median and the largest. Goal: at most 0.5 s and 50 MB. Give
# the folder of the programs to measure another build:
#
#   bash bench/stats_bench.sh [build/release/bin]
set -euo pipefail
bin=${1:-"$(cd "$(dirname "$0")/.." && pwd)/build/release/bin"}
runs=10
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/hour.csv" <<'PY'
import random, sys
header = ("time,seconds,evaluation,channel A,channel B,channel A second,channel B second,"
          "channel A third,channel B third,A trigger level,A upper limit,A reference,A lower limit,"
          "B trigger level,B upper limit,B reference,B lower limit,Evaluation upper limit,"
          "Evaluation reference,Evaluation lower limit")
generator = random.Random(1)
with open(sys.argv[1], "w", newline="") as out:
    out.write(header + "\r\n")
    for k in range(96000):
        a = round(generator.gauss(2048, 40))
        b = round(generator.gauss(1500, 12))
        seconds = k * 0.0375
        out.write(f"2026-12-09 10:{int(seconds) // 60 % 60:02d}:{seconds % 60:06.3f},{seconds:.3f},"
                  f"{a - b},{a},{b},{a + 3},{b + 2},{a - 3},{b - 2},"
                  f"2500,2120,2050,1980,1900,1530,1500,1470,650,550,450\r\n")
PY
log="$work/time.log"
for _ in $(seq "$runs"); do
  /usr/bin/time -a -o "$log" -f '%e %M' "$bin/telvar-k20" stats --csv "$work/hour.csv" > /dev/null
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
