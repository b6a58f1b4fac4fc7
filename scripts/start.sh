#!/usr/bin/env bash
# Builds ZOFAR and starts it. On the first start the bundled sample list is imported into the
# database "SAMPLE" and, when there are no settings yet, ZOFAR opens it at once.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${ZOFAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target zofar zofar-cli
bin="$build/bin"
if [ ! -e "$bin/SAMPLE.mdb" ]; then
  "$bin/zofar-cli" import --folder "$bin" --yes res/sample/sample-list.txt SAMPLE
fi
settings="${XDG_CONFIG_HOME:-$HOME/.config}/zofar.INI"
if [ ! -e "$settings" ]; then
  mkdir -p "$(dirname "$settings")"
  printf '[Settings]\nDatabase=SAMPLE\n' > "$settings"
fi
exec "$bin/zofar" "$@"
