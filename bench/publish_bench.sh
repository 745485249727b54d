#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What `telvar-k20 publish` delivers into a real mosquitto on loopback, as
# counted by a QoS 1 subscriber that keeps its session (mosquitto_sub):
#   1. against the simulator with --fast, for RUN_S seconds, with the broker
#      stopped after 3 s and started again 5 s later: samples delivered per
#      second, lost (a seq never seen, beyond the count of dropped ones the
#      publisher said), and seen for the first time after a later one;
#   2. the same for RUN_S seconds without a restart;
#   3. against the paced simulator for PACED_S seconds: the share of the
#      controller's 26.7 samples/s delivered.
#
#   bash bench/publish_bench.sh [build/release/bin]
set -euo pipefail
bin=${1:-"$(cd "$(dirname "$0")/.." && pwd)/build/release/bin"}
run_s=${RUN_S:-15}
paced_s=${PACED_S:-30}
dir=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$dir"' EXIT
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
broker_port=$(free_port)
cat > "$dir/mosquitto.conf" <<CONF
user $(id -un)
listener $broker_port 127.0.0.1
allow_anonymous true
persistence true
persistence_location $dir/
max_queued_messages 0
log_dest file $dir/mosquitto.log
CONF
start_broker() {
  mosquitto -c "$dir/mosquitto.conf" 2> /dev/null & broker=$!
  pids+=("$broker")
  for _ in $(seq 50); do (exec 3<>/dev/tcp/127.0.0.1/"$broker_port") 2>/dev/null && return; sleep 0.1; done
}
start_sim() {  # start_sim PORT [--fast]
  "$bin/telvar-k20-sim" --tcp "$@" > /dev/null 2>&1 & pids+=("$!")
  for _ in $(seq 50); do "$bin/telvar-k20" --tcp "127.0.0.1:$1" info > /dev/null 2>&1 && return; sleep 0.1; done
}
# measure NAME SIM_PORT SECONDS RESTART(yes|no) [publish options]
measure() {
  local name=$1 sim_port=$2 seconds=$3 restart=$4
  shift 4
  mosquitto_sub -p "$broker_port" -h 127.0.0.1 -q 1 -c -i "bench-$name" -t "telvar-k20/$name/live" \
    -F '%U %p' > "$dir/$name.txt" & local sub=$!
  pids+=("$sub")
  sleep 0.5
  "$bin/telvar-k20" --tcp "127.0.0.1:$sim_port" publish --broker "mqtt://127.0.0.1:$broker_port" --name "$name" "$@" \
    > /dev/null 2> "$dir/$name.err" & local publisher=$!
  local started=$(date +%s.%N)
  if [ "$restart" = yes ]; then
    sleep 3; kill "$broker"; wait "$broker" 2>/dev/null || true
    sleep 5; start_broker
    sleep $((seconds - 8))
  else
    sleep "$seconds"
  fi
  kill -INT "$publisher"; wait "$publisher" || true
  local ended=$(date +%s.%N)
  sleep 2; kill "$sub"; wait "$sub" 2>/dev/null || true
  python3 - "$name" "$dir/$name.txt" "$dir/$name.err" "$started" "$ended" <<'PY'
import json, re, sys
name, received, errors, started, ended = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4]), float(sys.argv[5])
seqs = [json.loads(line.split(" ", 1)[1])["seq"] for line in open(received) if line.strip()]
said = re.findall(r"Interrupted; (\d+) samples were dropped", open(errors).read())
dropped = int(said[-1]) if said else 0
seen, highest, late = set(), 0, 0
for seq in seqs:
    late += seq not in seen and seq < highest
    seen.add(seq)
    highest = max(highest, seq)
lost = highest - len(seen) - dropped
gaps = sorted(set(range(1, highest + 1)) - seen)
print(f"{name}: {len(seen)} samples in {ended - started:.1f} s, {len(seen) / (ended - started):.0f}/s delivered; "
      f"lost {lost}, dropped and said {dropped}, first seen out of order {late}, twice {len(seqs) - len(seen)}"
      + (f"; not seen: {gaps[0]}-{gaps[-1]}" if gaps else ""))
PY
}
start_broker
fast_port=$(free_port); start_sim "$fast_port" --fast
paced_port=$(free_port); start_sim "$paced_port"
measure restart "$fast_port" "$run_s" yes --buffer 1000000
measure steady "$fast_port" "$run_s" no
measure paced "$paced_port" "$paced_s" no
python3 -c "
import sys
line = open('$dir/paced.txt').read().split(chr(10))
print(f'paced: {len([l for l in line if l]) / ($paced_s * 26.7) * 100:.1f} % of 26.7 samples/s over $paced_s s')"
