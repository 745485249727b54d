#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (the fuzz preset, clang) and runs each for
# SECONDS on a copy of its starting corpus (so the committed corpus never grows),
# as many at once as there are cores, with its dictionary fuzz/TARGET.dict
# and the libFuzzer flags on the line of fuzz/TARGET.options where there are
# such files.
# Prints the executions and executions per second of each target; exits
# non-zero on any crash, leak, time-out or sanitizer report, keeping the
# input that caused it under build/fuzz/artifacts/. Installs nothing.
#
#   scripts/fuzz.sh SECONDS [TARGET...]    TARGET: ini_reader, merge, ... (fuzz/*_fuzz.cpp)
set -euo pipefail
cd "$(dirname "$0")/.."

usage="usage: scripts/fuzz.sh SECONDS [TARGET...]"
seconds=${1:?$usage}
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "$usage" >&2; exit 2; }
shift

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi
for target in "${targets[@]}"; do
  [ -f "fuzz/${target}_fuzz.cpp" ] || { echo "no fuzz target '$target' (fuzz/${target}_fuzz.cpp)" >&2; exit 2; }
done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

bin=build/fuzz/bin
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

stat_of() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

# One target's run; its exit status and log stay in the work folder.
run_target() {
  local target=$1 corpus="$work/$1" log="$work/$1.log" status=0
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$target" ] && cp -R "fuzz/corpus/$target/." "$corpus/"
  # A single input that takes more than 10 s is a fault as well.
  local options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/$target-")
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
  if [ -f "fuzz/$target.options" ]; then
    local extra
    read -ra extra <"fuzz/$target.options"
    options+=("${extra[@]}")
  fi
  "$bin/${target}_fuzz" "${options[@]}" "$corpus" >"$log" 2>&1 || status=$?
  echo "$status" >"$work/$target.status"
}

# Each target runs on one core, so as many run at once as there are cores.
cores=$(nproc)
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n || true; done
  run_target "$target" &
done
wait

failed=()
printf '%-16s %14s %10s  %s\n' target executions exec/s result
for target in "${targets[@]}"; do
  log="$work/$target.log"
  status=$(cat "$work/$target.status")
  if [ "$status" -ne 0 ] || grep -qE '^==[0-9]+==ERROR|runtime error:|property broken' "$log"; then
    result=FAILED
    failed+=("$target")
  else
    result=ok
  fi
  printf '%-16s %14s %10s  %s\n' "$target" "$(stat_of number_of_executed_units "$log")" \
    "$(stat_of average_exec_per_sec "$log")" "$result"
  if [ "$result" = FAILED ]; then
    echo "---- $target (exit $status): the end of its log" >&2
    tail -n 40 "$log" >&2
  fi
done

echo "fuzz: $(( ${#targets[@]} - ${#failed[@]} )) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $artifacts)" >&2
  exit 1
fi
