#!/usr/bin/env bash
# Installs the Debian packages ZOFAR needs to build, test and run; only what is missing.
set -euo pipefail

# locales-all lets the tests run under a locale with a decimal comma, as a desktop may set one.
# libhamlib-utils brings rigctld, the rig server the rig bridge's tests talk to and ZOFAR starts
# when asked, and rigctl, whose model list the Rig connection dialog shows.
# poppler-utils brings pdftotext and pdfinfo, with which the tests read printed pages back.
# valgrind counts instructions for benchmarks/instruction-counts.sh.
# desktop-file-utils and appstream validate the installed desktop entry and metainfo; clang with
# its runtime libraries (libFuzzer, the sanitizers) and llvm's symbolizer build and run the fuzz
# targets of scripts/fuzz.sh.
# ccache keeps rebuilds of unchanged files cheap across build folders and work trees.
# libzip reads the season zips of HFCC and NDXC; GeographicLib measures distance and bearing.
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  libgl-dev libsqlite3-dev sqlite3 bc libshp-dev libcli11-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  locales-all
  libhamlib-utils
  poppler-utils
  valgrind
  desktop-file-utils appstream
  clang libclang-rt-dev llvm
  ccache
  libzip-dev libgeographiclib-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
else
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
