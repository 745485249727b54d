#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks it with Debian's tools (lintian,
# hardening-check, the AppStream validator), unpacks it into a temporary
# folder and starts the unpacked programs from there, so that a broken
# package or install layout shows before anyone installs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
rm -rf build/package
cpack --preset release

debs=(build/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one package, found: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends

root=$(mktemp -d)
tool_pid=
sim_pid=
cleanup() {
  [ -z "$tool_pid" ] || kill "$tool_pid" 2>/dev/null || true
  [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$root"

passed=0
failed=0
check() {  # check NAME COMMAND...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $name"
  else
    failed=$((failed + 1))
    echo "FAILED: $name" >&2
  fi
}

installed=(
  usr/bin/telvar-k20-dizer
  usr/bin/telvar-k20-sim
  usr/bin/telvar-k20
  usr/share/applications/telvar-k20-dizer.desktop
  usr/share/metainfo/com.telvar.K20Dizer.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/telvar-k20-dizer.svg
  usr/share/man/man1/telvar-k20-dizer.1.gz
  usr/share/man/man1/telvar-k20-sim.1.gz
  usr/share/man/man1/telvar-k20.1.gz
  usr/share/doc/telvar-k20-dizer/README.md
  usr/share/doc/telvar-k20-dizer/copyright
  usr/share/doc/telvar-k20-dizer/changelog.gz
  usr/share/lintian/overrides/telvar-k20-dizer
)
for panel in ui/*.uir; do
  installed+=("usr/share/telvar-k20-dizer/$(basename "$panel")")
done
missing=()
for file in "${installed[@]}"; do
  [ -e "$root/$file" ] || missing+=("$file")
done
check "every file in place (${#installed[@]})" test ${#missing[@]} -eq 0
[ ${#missing[@]} -eq 0 ] || printf 'missing: %s\n' "${missing[@]}" >&2

# Errors and warnings fail; so do the hardening tags, which lintian counts
# as information only.
lintian_clean() {
  local report code=0
  report=$(lintian --display-info --fail-on error,warning "$deb") || code=$?
  [ -z "$report" ] || printf '%s\n' "$report"
  [ "$code" -eq 0 ] && ! grep -q 'hardening-no-' <<<"$report"
}
check "lintian" lintian_clean

# lintian does not look for the stack protector; hardening-check does.
# Control-flow protection is not among Debian 12's hardening flags.
check "hardening-check" hardening-check --quiet --nocfprotection \
  "$root/usr/bin/telvar-k20-dizer" "$root/usr/bin/telvar-k20-sim" "$root/usr/bin/telvar-k20"

# The AppStream file, the desktop entry and the icon as installed, together.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net --strict "$root"

# The tool ends at once when it misses a panel file: running after two
# seconds, it found them all from where it was unpacked.
tool_runs() {
  QT_QPA_PLATFORM=offscreen "$root/usr/bin/telvar-k20-dizer" &
  tool_pid=$!
  sleep 2
  if ! kill -0 "$tool_pid" 2>/dev/null; then
    local code=0
    wait "$tool_pid" || code=$?
    tool_pid=
    echo "the unpacked tool ended within two seconds, exit code $code" >&2
    return 1
  fi
  kill "$tool_pid"
  wait "$tool_pid" 2>/dev/null || true
  tool_pid=
}
check "the unpacked tool starts" tool_runs

# The simulator names its line, then says "ready".
simulator_ready() {
  coproc SIM { exec "$root/usr/bin/telvar-k20-sim" --tcp 0 2>/dev/null; }
  sim_pid=$SIM_PID
  local line=
  while IFS= read -r -t 15 line <&"${SIM[0]}"; do
    [ "$line" = ready ] && break
  done
  kill "$sim_pid"
  wait "$sim_pid" 2>/dev/null || true
  sim_pid=
  [ "$line" = ready ]
}
check "the unpacked simulator starts" simulator_ready

check "the unpacked command-line tool answers --help" "$root/usr/bin/telvar-k20" --help

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
