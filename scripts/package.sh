#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the two Debian packages, telvar-k20 (the command-line tool and the
# simulator) and telvar-k20-dizer (the window program), checks them with
# Debian's tools (lintian, hardening-check, the AppStream validator), unpacks
# them into a temporary folder and starts the unpacked programs from there,
# so that a broken package or install layout shows before anyone installs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
rm -rf build/package
cpack --preset release

shopt -s nullglob
debs=(build/package/*.deb)
tools_debs=(build/package/telvar-k20_*.deb)
window_debs=(build/package/telvar-k20-dizer_*.deb)
if [ ${#debs[@]} -ne 2 ] || [ ${#tools_debs[@]} -ne 1 ] || [ ${#window_debs[@]} -ne 1 ]; then
  echo "expected the packages telvar-k20 and telvar-k20-dizer, found: ${debs[*]}" >&2
  exit 1
fi
tools=${tools_debs[0]}
window=${window_debs[0]}
for deb in "$tools" "$window"; do
  echo "package: $deb"
  dpkg-deb --field "$deb" Package Version Depends
done

# Each package alone in a folder of its own, and both together in a third,
# as an install of both lays them out.
root=$(mktemp -d)
tool_pid=
sim_pid=
cleanup() {
  [ -z "$tool_pid" ] || kill "$tool_pid" 2>/dev/null || true
  [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
dpkg-deb -x "$tools" "$root/telvar-k20"
dpkg-deb -x "$window" "$root/telvar-k20-dizer"

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

tools_files=(
  usr/bin/telvar-k20-sim
  usr/bin/telvar-k20
  usr/share/man/man1/telvar-k20-sim.1.gz
  usr/share/man/man1/telvar-k20.1.gz
  usr/lib/systemd/system/telvar-k20-publish@.service
  usr/share/doc/telvar-k20/README.md
  usr/share/doc/telvar-k20/sim/README.md
  usr/share/doc/telvar-k20/copyright
  usr/share/doc/telvar-k20/changelog.gz
  usr/share/lintian/overrides/telvar-k20
)
window_files=(
  usr/bin/telvar-k20-dizer
  usr/share/applications/telvar-k20-dizer.desktop
  usr/share/metainfo/com.telvar.K20Dizer.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/telvar-k20-dizer.svg
  usr/share/man/man1/telvar-k20-dizer.1.gz
  usr/share/doc/telvar-k20-dizer/README.md
  usr/share/doc/telvar-k20-dizer/copyright
  usr/share/doc/telvar-k20-dizer/changelog.gz
  usr/share/lintian/overrides/telvar-k20-dizer
)
for panel in ui/*.uir; do
  window_files+=("usr/share/telvar-k20-dizer/$(basename "$panel")")
done
# Each translation, compiled, beside the panel files.
for ts in translations/*.ts; do
  window_files+=("usr/share/telvar-k20-dizer/$(basename "$ts" .ts).qm")
done
files_in_place() {  # files_in_place FOLDER FILE...
  local folder=$1 file missing=()
  shift
  for file in "$@"; do
    [ -e "$folder/$file" ] || missing+=("$file")
  done
  [ ${#missing[@]} -eq 0 ] || printf 'missing: %s\n' "${missing[@]}" >&2
  [ ${#missing[@]} -eq 0 ]
}
check "every file of telvar-k20 in place (${#tools_files[@]})" \
  files_in_place "$root/telvar-k20" "${tools_files[@]}"
check "every file of telvar-k20-dizer in place (${#window_files[@]})" \
  files_in_place "$root/telvar-k20-dizer" "${window_files[@]}"

# dpkg refuses to install a package with a file another one holds.
package_files() {
  dpkg-deb -c "$1" | awk '$1 !~ /^d/ { print $6 }' | sort
}
side_by_side() {
  local shared
  dpkg-deb -x "$tools" "$root/both" && dpkg-deb -x "$window" "$root/both" || return 1
  shared=$(comm -12 <(package_files "$tools") <(package_files "$window"))
  [ -z "$shared" ] || sed 's/^/in both packages: /' <<<"$shared" >&2
  [ -z "$shared" ]
}
check "both packages install side by side" side_by_side

depends_of() {  # depends_of PACKAGE: one dependency a line
  dpkg-deb --field "$1" Depends | tr ',' '\n' | sed 's/^ *//'
}
version=$(dpkg-deb --field "$tools" Version)
depends_on_tools() {
  depends_of "$window" | grep -xF "telvar-k20 (= $version)" >/dev/null
}
check "telvar-k20-dizer depends on telvar-k20 (= $version)" depends_on_tools

# The command-line package's Depends come from its programs' libraries, so
# that it asks for no desktop once they link none.
no_desktop_libraries() {
  local desktop
  desktop=$(depends_of "$tools" |
    grep -Ei 'qt6widgets|qcustomplot|qt6printsupport|qt6uitools|qt6opengl') || true
  [ -z "$desktop" ] || sed 's/^/telvar-k20 depends on /' <<<"$desktop" >&2
  [ -z "$desktop" ]
}
check "telvar-k20 depends on no widget, plot, print, panel or OpenGL library" no_desktop_libraries

# Errors and warnings fail; so do the hardening tags, which lintian counts
# as information only.
lintian_clean() {  # lintian_clean PACKAGE
  local report code=0
  report=$(lintian --display-info --fail-on error,warning "$1") || code=$?
  [ -z "$report" ] || printf '%s\n' "$report"
  [ "$code" -eq 0 ] && ! grep -q 'hardening-no-' <<<"$report"
}
check "lintian telvar-k20" lintian_clean "$tools"
check "lintian telvar-k20-dizer" lintian_clean "$window"

# lintian does not look for the stack protector; hardening-check does.
# Control-flow protection is not among Debian 12's hardening flags.
check "hardening-check" hardening-check --quiet --nocfprotection \
  "$root/both/usr/bin/telvar-k20-dizer" "$root/both/usr/bin/telvar-k20-sim" "$root/both/usr/bin/telvar-k20"

# The AppStream file, the desktop entry and the icon as installed, together.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net --strict "$root/telvar-k20-dizer"

# The tool ends at once when it misses a panel file: running after two
# seconds, it found them all from where it was unpacked.
tool_runs() {
  QT_QPA_PLATFORM=offscreen "$root/both/usr/bin/telvar-k20-dizer" &
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

# The simulator and the command-line tool run from their own package alone.
# The simulator names its line, then says "ready".
simulator_ready() {
  coproc SIM { exec "$root/telvar-k20/usr/bin/telvar-k20-sim" --tcp 0 2>/dev/null; }
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

check "the unpacked command-line tool answers --help" "$root/telvar-k20/usr/bin/telvar-k20" --help

# The report takes Qt's GUI module from the package's own document module,
# with no display to be had.
report_without_display() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/telvar-k20/usr/bin/telvar-k20" -q report \
    fuzz/corpus/ini_reader/saved_file.ini -o "$root/report.pdf" &&
    pdftotext "$root/report.pdf" - | grep -q "Parameter report"
}
check "the unpacked command-line tool makes a report without a display" report_without_display

echo "packages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
