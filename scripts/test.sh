#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every check, headless: the tests, the package, the tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each
# fuzz target on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
QT_QPA_PLATFORM=offscreen ctest --preset release
bash scripts/package.sh
cmake --preset debug
cmake --build --preset debug
QT_QPA_PLATFORM=offscreen ctest --preset debug
bash scripts/fuzz.sh 20
