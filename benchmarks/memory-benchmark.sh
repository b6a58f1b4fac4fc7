#!/usr/bin/env bash
# Starts the real program under the offscreen platform with a database of N records (default
# 100,000) open and prints its resident memory once the list is shown. The time to a shown,
# filled window is measured in process by zofar_startup_benchmark.
# Usage: benchmarks/memory-benchmark.sh [BUILD_DIR] [N]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
records=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/home/.config" "$work/bin"
cp "$build/bin/zofar" "$work/bin/"
"$build/bin/zofar-genlist" --seed 7 "$records" "$work/list.txt" >/dev/null
"$build/bin/zofar-cli" import --folder "$work/bin" "$work/list.txt" BENCH >/dev/null
printf '[Settings]\nDatabase=BENCH\n' > "$work/home/.config/zofar.INI"

HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
  QT_QPA_PLATFORM=offscreen "$work/bin/zofar" >/dev/null 2>&1 &
pid=$!
sleep 3
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true

printf 'records in the open database:  %d\n' "$records"
printf 'resident memory (VmRSS):       %d MB\n' $((rss / 1024))
printf 'peak resident memory (VmHWM):  %d MB\n' $((hwm / 1024))
