#!/usr/bin/env bash
# Counts the instructions (valgrind's callgrind) of the operations the speed targets are about,
# beside the same work done by stock SQLite. Unlike times, the counts do not change when other
# programs load the machine, so two builds can be compared on a busy machine.
# Usage: benchmarks/instruction-counts.sh [BUILD_DIR] [N]   (N lines for the import, default 100,000)
set -euo pipefail
build=${1:-build}
lines=${2:-100000}
bin="$build/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instructions counted in the callgrind output file $1 (all of them, or those inside the
# functions given to --toggle-collect).
total() { awk '/^totals:/ {print $2}' "$1"; }

# Number of calls of the functions whose name matches the shell pattern $2, in output file $1.
calls() {
  awk -v pat="$2" '
    function matches(name) { return name ~ pat }
    /^c?fn=\(/ {
      id = $1; sub(/^c?fn=/, "", id)
      name = $0; sub(/^c?fn=\([0-9]+\) ?/, "", name)
      if (name != "") names[id] = name
      if ($0 ~ /^cfn=/) callee = names[id]
      next
    }
    /^calls=/ { split($0, a, /[= ]/); if (matches(callee)) n += a[2] }
    END { print n + 0 }' "$1"
}

# Instructions per call of the functions matching $2 while benchmark $1 of the store benchmark runs.
per_call() {
  local out="$work/cg.$1"
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect="$3" \
    "$bin/zofar_store_benchmark" --benchmark_filter="^$1\$" --benchmark_min_time=0.3 >/dev/null 2>&1
  local t c
  t=$(total "$out")
  c=$(calls "$out" "$2")
  if [ "$c" -eq 0 ]; then
    printf '%-44s %12s (no call of %s in this build)\n' "$1" "-" "$2"
  else
    printf '%-44s %12d instructions per call (%d calls)\n' "$1" $((t / c)) "$c"
  fi
}

"$bin/zofar-genlist" --seed 42 "$lines" "$work/list.txt" >/dev/null
mkdir -p "$work/db"
valgrind --tool=callgrind --callgrind-out-file="$work/cg.zofar" \
  "$bin/zofar-cli" import --folder "$work/db" "$work/list.txt" BENCH >/dev/null 2>&1
cols="FREQ, STATION, STN, MODU, STATUS, LOCATION, REGION, COUNTRY, ITU, LC, START, END, DAYS, LANGUAGE, TARGET, TARGETAR, CIRAF, PROGRAM, P, REMARKS, POWER, AZI, LONGI, LATI"
sqlite3 -csv "$work/db/BENCH.mdb" "SELECT $cols FROM ZOFTABLE" > "$work/records.csv"
valgrind --tool=callgrind --callgrind-out-file="$work/cg.shell" \
  sqlite3 "$work/plain.db" "CREATE TABLE ZOFTABLE ($cols)" ".mode csv" ".import $work/records.csv ZOFTABLE" \
  >/dev/null 2>&1
zofar=$(total "$work/cg.zofar")
shell=$(total "$work/cg.shell")
printf '%-44s %12d instructions\n' "zofar-cli import of $lines lines" "$zofar"
printf '%-44s %12d instructions\n' "sqlite3 .import of the same rows as CSV" "$shell"
printf '%-44s %12.2f\n' "ratio zofar / sqlite3 shell" "$(echo "$zofar / $shell" | bc -l)"

per_call BM_RequeryStation 'BrowseSet::Requery' '*BrowseSet::Requery*'
per_call BM_RequeryStation_Stock 'RunStockQuery' '*RunStockQuery*'
per_call BM_RequeryFreq 'BrowseSet::Requery' '*BrowseSet::Requery*'
per_call BM_RequeryFreq_Stock 'RunStockQuery' '*RunStockQuery*'
per_call BM_ListScreenAtRandomPosition 'PaintScreen' '*PaintScreen*'
per_call BM_ListScrollRowByRow 'PaintScreen' '*PaintScreen*'
