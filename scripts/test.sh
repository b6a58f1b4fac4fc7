#!/usr/bin/env bash
# Builds ZOFAR with warnings as errors and runs the whole test suite (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${ZOFAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOFAR_WARNINGS_AS_ERRORS=ON
cmake --build "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
