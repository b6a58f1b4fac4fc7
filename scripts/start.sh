#!/usr/bin/env bash
# Builds ZOFAR and starts it. On the first start the bundled sample list is imported into the
# database "SAMPLE", so there is something to browse at once (Database > Open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${ZOFAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target zofar zofar-cli
bin="$build/bin"
if [ ! -e "$bin/SAMPLE.mdb" ] && [ -x "$bin/zofar-cli" ] && "$bin/zofar-cli" --help 2>/dev/null | grep -q import; then
  "$bin/zofar-cli" import --folder "$bin" --yes res/sample/sample-list.txt SAMPLE
fi
exec "$bin/zofar" "$@"
