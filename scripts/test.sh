#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every check, headless: the tests, the package, the tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each
# fuzz target on its corpus. Each stage's time is said as it ends, and all
# of them at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

times=()
stage() {
  local name=$1 began=$SECONDS
  shift
  "$@"
  times+=("$(printf '%5d s  %s' $((SECONDS - began)) "$name")")
  echo "== stage: ${times[-1]}"
}

stage "packages" bash scripts/install-deps.sh
stage "release build" bash -c 'cmake --preset release && cmake --build --preset release'
stage "release tests" env QT_QPA_PLATFORM=offscreen ctest --preset release
stage "package" bash scripts/package.sh
stage "sanitizer build" bash -c 'cmake --preset debug && cmake --build --preset debug'
stage "sanitizer tests" env QT_QPA_PLATFORM=offscreen ctest --preset debug
stage "fuzzing" bash scripts/fuzz.sh 20

echo "== stage times:"
printf '%s\n' "${times[@]}"
printf '%5d s  all\n' "$SECONDS"
