#!/usr/bin/env bash
# Imports a generated list of N lines (default 100,000) with zofar-cli and, side by side, the same
# records as CSV with the sqlite3 shell's .import into a table of the same columns. Prints the
# best of three wall times and the best of three CPU times (user + system), lines per second
# and the ratios. Then imports a whole EiBi season (about 10,000 lines: the shared excerpt's
# lines repeated, with its README.TXT) and prints its times.
# Usage: benchmarks/import-benchmark.sh [BUILD_DIR] [N]
set -euo pipefail
build=${1:-build}
lines=${2:-100000}
bin="$build/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/zofar-genlist" --seed 42 "$lines" "$work/list.txt" >/dev/null

# Best of three runs of a command (after one to warm the caches): "WALL CPU" in seconds.
best() {
  "$@" >/dev/null 2>&1 || true
  local best_wall="" best_cpu="" times wall cpu
  local TIMEFORMAT='%R %U %S'
  for _ in 1 2 3; do
    times=$({ time "$@" >/dev/null 2>&1; } 2>&1)
    wall=$(echo "$times" | awk '{print $1}')
    cpu=$(echo "$times" | awk '{print $2 + $3}')
    if [ -z "$best_wall" ] || [ "$(echo "$wall < $best_wall" | bc -l)" = 1 ]; then best_wall=$wall; fi
    if [ -z "$best_cpu" ] || [ "$(echo "$cpu < $best_cpu" | bc -l)" = 1 ]; then best_cpu=$cpu; fi
  done
  echo "$best_wall $best_cpu"
}

zofar_import() {
  rm -f "$work/db/BENCH.mdb"
  mkdir -p "$work/db"
  "$bin/zofar-cli" import --folder "$work/db" "$work/list.txt" BENCH
}

read -r zofar_s zofar_cpu <<<"$(best zofar_import)"
records=$(sqlite3 "$work/db/BENCH.mdb" "SELECT count(*) FROM ZOFTABLE")

cols="FREQ, STATION, STN, MODU, STATUS, LOCATION, REGION, COUNTRY, ITU, LC, START, END, DAYS, LANGUAGE, TARGET, TARGETAR, CIRAF, PROGRAM, P, REMARKS, POWER, AZI, LONGI, LATI"
sqlite3 -csv "$work/db/BENCH.mdb" "SELECT $cols FROM ZOFTABLE" > "$work/records.csv"

# The shell's own .import into a plain table of the 24 columns: its fastest path.
shell_plain() {
  rm -f "$work/plain.db"
  sqlite3 "$work/plain.db" "CREATE TABLE ZOFTABLE ($cols)" ".mode csv" ".import $work/records.csv ZOFTABLE"
}
read -r shell_s shell_cpu <<<"$(best shell_plain)"

printf 'lines in the list:              %d\n' "$lines"
printf 'records stored:                 %d\n' "$records"
printf 'zofar-cli import:               %.3f s  (%.0f lines/s), CPU %.3f s\n' "$zofar_s" \
  "$(echo "$lines / $zofar_s" | bc -l)" "$zofar_cpu"
printf 'sqlite3 .import of the CSV:     %.3f s  (%.0f records/s), CPU %.3f s\n' "$shell_s" \
  "$(echo "$records / $shell_s" | bc -l)" "$shell_cpu"
printf 'ratio zofar / sqlite3 shell:    %.2f (CPU %.2f)\n' "$(echo "$zofar_s / $shell_s" | bc -l)" \
  "$(echo "$zofar_cpu / $shell_cpu" | bc -l)"

# A whole EiBi season: the excerpt's header, then its data lines over and over to 10,000 lines.
eibi_dir=${ZOFAR_EIBI_DIR:-$(dirname "$0")/../tests/data/eibi}
excerpt="$eibi_dir/sked-a26-excerpt.csv"
if [ ! -r "$excerpt" ]; then
  echo "EiBi import: skipped, no $excerpt (set ZOFAR_EIBI_DIR)" >&2
  exit 0
fi
mkdir -p "$work/eibi"
cp "$eibi_dir/README.TXT" "$work/eibi/README.TXT"
season_lines=10000
awk -v n="$season_lines" 'NR == 1 { print; next } { data[++k] = $0 }
  END { for (i = 0; i < n; i++) print data[i % k + 1] }' "$excerpt" > "$work/eibi/sked-a26.csv"

eibi_import() {
  rm -f "$work/db/A26.mdb"
  "$bin/zofar-cli" import --folder "$work/db" "$work/eibi/sked-a26.csv" A26
}
read -r eibi_s eibi_cpu <<<"$(best eibi_import)"
eibi_summary=$(eibi_import)

printf 'EiBi season lines:              %d\n' "$season_lines"
printf 'EiBi import:                    %s\n' "${eibi_summary#*: }"
printf 'zofar-cli import of the season: %.3f s  (%.0f lines/s), CPU %.3f s\n' "$eibi_s" \
  "$(echo "$season_lines / $eibi_s" | bc -l)" "$eibi_cpu"
