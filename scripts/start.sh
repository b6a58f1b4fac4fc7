#!/usr/bin/env bash
# Builds ZOFAR and starts it. On its first start (no settings, no database) ZOFAR itself imports
# the bundled sample list as the database "SAMPLE" and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${ZOFAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target zofar zofar-cli
exec "$build/bin/zofar" "$@"
