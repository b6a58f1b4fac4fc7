#!/usr/bin/env bash
# Installs the build folder $1 into a temporary prefix and checks what a desktop needs of it:
# the files in their FHS and freedesktop places and nothing else, a desktop entry and AppStream
# metainfo their validators accept, and, after the tree has been moved, a first start in an
# empty home that imports the sample into the data folder, where zofar-cli then finds it.
set -euo pipefail
build=$1
work=$(mktemp -d)
zofar_pid=
cleanup() {
  if [ -n "$zofar_pid" ]; then kill "$zofar_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"

expected='bin/zofar
bin/zofar-cli
bin/zofar-rig
share/applications/io.github.zofar.Zofar.desktop
share/icons/hicolor/scalable/apps/io.github.zofar.Zofar.svg
share/man/man1/zofar-cli.1
share/man/man1/zofar-rig.1
share/man/man1/zofar.1
share/metainfo/io.github.zofar.Zofar.metainfo.xml
share/zofar/band-chart.png
share/zofar/sample-list.txt
share/zofar/zofar.html'
actual=$(cd "$work/prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  fail "the installed files differ from the expected layout (< expected, > installed)"
fi
for program in zofar zofar-cli zofar-rig; do
  [ -x "$work/prefix/bin/$program" ] || fail "bin/$program is not executable"
done

desktop-file-validate "$work/prefix/share/applications/io.github.zofar.Zofar.desktop" \
  || fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$work/prefix/share/metainfo/io.github.zofar.Zofar.metainfo.xml" \
  || fail "appstreamcli refuses the metainfo"
grep -q '^Icon=io.github.zofar.Zofar$' "$work/prefix/share/applications/io.github.zofar.Zofar.desktop" \
  || fail "the desktop entry does not name the installed icon"
for page in zofar zofar-cli zofar-rig; do
  head -n 1 "$work/prefix/share/man/man1/$page.1" | grep -q '^\.TH ' || fail "$page.1 is no man page"
done

# A moved tree still finds its sample; the first start imports it into the data folder, never
# into the tree's own bin/.
mv "$work/prefix" "$work/moved"
home="$work/home"
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime"
export QT_QPA_PLATFORM=offscreen
"$work/moved/bin/zofar" > "$work/zofar.log" 2>&1 &
zofar_pid=$!
database="$home/data/zofar/SAMPLE.mdb"
for _ in $(seq 1 600); do
  [ -e "$database" ] && break
  kill -0 "$zofar_pid" 2>/dev/null || { cat "$work/zofar.log" >&2; fail "the installed zofar ended by itself"; }
  sleep 0.1
done
[ -e "$database" ] || fail "the first start made no $database"
records=$("$work/moved/bin/zofar-cli" list SAMPLE | wc -l)
[ "$records" -eq 400 ] || fail "zofar-cli lists $records records of SAMPLE, not 400"
kill "$zofar_pid"
wait "$zofar_pid" 2>/dev/null || true
zofar_pid=
[ "$(ls "$work/moved/bin")" = "$(printf 'zofar\nzofar-cli\nzofar-rig')" ] || fail "the first start wrote into bin/"
echo "install layout, validators and first start of the moved tree: all good"
