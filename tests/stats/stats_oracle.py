#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# telvar-k20 stats against Python's statistics module: a recording with a
# known spread (values outside both limits, channel B's limits changing, a
# break), its figures from the program and from Python for the same rows,
# equal to 1e-9 relative.
#
#   python3 tests/stats/stats_oracle.py build/release/bin/telvar-k20
import json
import random
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

HEADER = ("time,seconds,evaluation,channel A,channel B,channel A second,channel B second,"
          "channel A third,channel B third,A trigger level,A upper limit,A reference,A lower limit,"
          "B trigger level,B upper limit,B reference,B lower limit,Evaluation upper limit,"
          "Evaluation reference,Evaluation lower limit")
ROWS = 5000


def recording():
    """The rows as (evaluation, a, b) with their (lower, upper) limits."""
    generator = random.Random(20261209)
    rows = []
    for k in range(ROWS):
        a = round(generator.gauss(2048, 40))
        b = round(generator.gauss(1500, 12))
        evaluation = a - b
        b_limits = (1470, 1530) if k < ROWS // 2 else (1480, 1520)
        rows.append({"a": (a, (1980, 2120)), "b": (b, b_limits), "evaluation": (evaluation, (450, 650))})
    return rows


def csv_text(rows):
    lines = [HEADER]
    for k, row in enumerate(rows):
        if k == ROWS // 3:
            lines.append("")  # the recorder's break
        a, (a_lower, a_upper) = row["a"]
        b, (b_lower, b_upper) = row["b"]
        e, (e_lower, e_upper) = row["evaluation"]
        lines.append(f"2026-12-09 10:00:00.000,{k * 0.0375:.3f},{e},{a},{b},0,0,0,0,"
                     f"2500,{a_upper},2050,{a_lower},1900,{b_upper},1500,{b_lower},{e_upper},550,{e_lower}")
    return "\r\n".join(lines) + "\r\n"


def expected(values, lower, upper):
    mean = statistics.mean(values)
    sigma = statistics.stdev(values)
    return {"n": len(values), "mean": mean, "sigma": sigma, "min": min(values), "max": max(values),
            "range": max(values) - min(values), "lower": lower, "upper": upper,
            "cp": (upper - lower) / (6 * sigma), "cpk": min(upper - mean, mean - lower) / (3 * sigma),
            "outside": sum(1 for v in values if v < lower or v > upper)}


def main():
    program = sys.argv[1]
    rows = recording()
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        path = Path(folder) / "recording.csv"
        path.write_text(csv_text(rows), newline="")
        run = subprocess.run([program, "stats", "--csv", str(path), "--json"], capture_output=True, text=True,
                             timeout=60)
        if run.returncode != 0:
            sys.exit(f"telvar-k20 stats ended with {run.returncode}: {run.stderr}")
        got = json.loads(run.stdout)
    for channel in ("a", "b", "evaluation"):
        values = [row[channel][0] for row in rows]
        lower, upper = rows[-1][channel][1]
        want = expected(values, lower, upper)
        if not 0 < want["outside"] < ROWS:
            failures.append(f"{channel}: the recording should have values outside its limits")
        for key, value in want.items():
            if abs(got[channel][key] - value) > 1e-9 * abs(value):
                failures.append(f"{channel}.{key}: telvar-k20 {got[channel][key]!r}, Python {value!r}")
        percent = 100 * want["outside"] / ROWS
        if abs(got[channel]["outside_percent"] - percent) > 1e-9 * percent:
            failures.append(f"{channel}.outside_percent: {got[channel]['outside_percent']!r}, Python {percent!r}")
        if got[channel]["limits_changed"] != (channel == "b") or "reason" in got[channel]:
            failures.append(f"{channel}: {got[channel]!r}")
    if failures:
        sys.exit("\n".join(failures))
    print(f"the figures of {ROWS} rows agree with Python's statistics")


main()
