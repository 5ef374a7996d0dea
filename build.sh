#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up a Debian 12 or 13 machine for Vezuvazov, builds it, then starts it or runs every test.
#   ./build.sh start   install what is missing, build the program, start it
#   ./build.sh test    install what is missing, build, run every test through CTest (the workflow
#                      preset "dev"), then each stage of tests/stages/ in the order of their names
# What building and starting needs. Through fontconfig, Comic Neue stands in for "Comic Sans MS"
# and Liberation Sans for Arial. The tests add the packages tests/CMakeLists.txt names, and each
# stage its own.
# Packages: g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
# Packages: libgtest-dev libbenchmark-dev libxcb1-dev fonts-comic-neue fonts-liberation2 fontconfig
# Packages: ccache
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  start) needs=(build.sh) ;;
  test) needs=(build.sh tests/CMakeLists.txt) ;;
  *) echo "usage: $0 start|test" >&2; exit 2 ;;
esac

# The program opens windows: without a display there is no point in building it first.
if [ "$mode" = start ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: './build.sh start' opens the program's window and needs a graphical desktop" \
    "session (DISPLAY is not set). Run it in a terminal on the desktop; './build.sh test' needs" \
    "none, it brings its own X server." >&2
  exit 1
fi
# The tests install packages, watch the monkey's writes (fanotify) and run Debian systems, all as
# root: a password asked for in the middle of the run would stop it there.
if [ "$mode" = test ] && [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
  echo "'./build.sh test' needs root or sudo without a password: it installs packages, watches" \
    "the monkey's writes and runs whole Debian systems as root. Run it as root, or as a user" \
    "whom sudo lets run commands without a password." >&2
  exit 1
fi

tools/install-packages.sh "${needs[@]}"

# A build/ folder made from another copy of the sources, or for another generator than the
# preset's, is configured afresh.
cache=build/CMakeCache.txt
if [ -f "$cache" ] && ! { grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$(pwd -P)" "$cache" &&
  grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; }; then
  echo "== build/ was made from other sources or for another generator: configuring it afresh"
  rm -rf build
fi

if [ "$mode" = start ]; then
  echo "== building the program in build/"
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target vezuvazov
  echo "== starting build/app/vezuvazov"
  exec build/app/vezuvazov
fi
echo "== building everything in build/ and running its tests"
cmake --workflow --preset dev
# Each step's share of the whole, for docs/testing.md's figures.
echo "== packages, build and tests: $SECONDS s"
for stage in tests/stages/*.sh; do
  echo "== $stage"
  started=$SECONDS
  bash "$stage"
  echo "== $stage: $((SECONDS - started)) s"
done
echo "== all tests and stages passed: $SECONDS s"
