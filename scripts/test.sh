#!/usr/bin/env bash
# Builds the tool and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
QT_QPA_PLATFORM=offscreen ctest --preset release
