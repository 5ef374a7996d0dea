#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up a Debian 12 or 13 machine for Vezuvazov, builds it, then starts it or runs every test.
#   ./build.sh start   install what is missing, build the program, start it
#   ./build.sh test    install what is missing, build, run every test through CTest, then the
#                      further checks of tests/stages/ in the order of their names
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  start | test) ;;
  *) echo "usage: $0 start|test" >&2; exit 2 ;;
esac

# The program opens windows: without a display there is no point in building it first.
if [ "$mode" = start ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: './build.sh start' opens the program's window and needs a graphical desktop" \
    "session (DISPLAY is not set). Run it in a terminal on the desktop; './build.sh test' needs" \
    "none, it brings its own X server." >&2
  exit 1
fi

# What building and running needs. Through fontconfig, Comic Neue stands in for "Comic Sans MS"
# and Liberation Sans for Arial.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libbenchmark-dev libxcb1-dev fonts-comic-neue fonts-liberation2 fontconfig)
# What the tests add: a real X server and a way to drive it as a player would, its clipboard, a
# window manager, a Wayland compositor with Qt's Wayland plugin, the accessibility bus and a client
# of it that reads and presses the controls as a screen reader would, the validators of the desktop
# entry and the AppStream metadata, Python for the Windows build's tools, an exFAT disk for the
# writer's tests (its tools and its driver, which runs as a process), and strace, which fails a
# file's sync in an end-to-end test and shows the folder synced after the save.
[ "$mode" = test ] && packages+=(xvfb xauth xdotool x11-utils xclip openbox weston qt6-wayland
  dbus-daemon at-spi2-core python3-pyatspi desktop-file-utils appstream python3 exfatprogs
  exfat-fuse strace)

# Each stage file adds the packages it needs to `packages` and the name of its function to `stages`;
# the functions run after the main tests, in the order of the file names.
stages=()
if [ "$mode" = test ]; then
  for stage in tests/stages/*.sh; do
    [ -e "$stage" ] || continue
    # shellcheck source=/dev/null
    source "$stage"
  done
fi

tools/install-packages.sh "${packages[@]}"

# A build/ folder configured before, with whatever generator, is built as it is; one made from
# another copy of the sources is configured afresh.
cache=build/CMakeCache.txt
if [ -f "$cache" ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$(pwd -P)" "$cache"; then
  echo "== build/ belongs to another source folder: configuring it afresh"
  rm -rf build
fi
if [ ! -f "$cache" ]; then
  echo "== configuring build/"
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEZUVAZOV_WERROR=ON
fi

if [ "$mode" = start ]; then
  echo "== building the program in build/"
  cmake --build build --target vezuvazov
  echo "== starting build/app/vezuvazov"
  exec build/app/vezuvazov
fi
echo "== building everything in build/"
cmake --build build
echo "== running the tests"
ctest --test-dir build --output-on-failure
# Each step's share of the whole, for docs/testing.md's figures.
echo "== packages, build and tests: $SECONDS s"
for stage in "${stages[@]}"; do
  echo "== $stage"
  started=$SECONDS
  "$stage"
  echo "== $stage: $((SECONDS - started)) s"
done
echo "== all tests and stages passed: $SECONDS s"
