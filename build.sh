#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vezuvazov, builds it, then starts it or runs every test.
#   ./build.sh start   install what is missing, build, start the program
#   ./build.sh test    install what is missing, build, run every test through CTest, then the
#                      further checks of tests/stages/ in the order of their names
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  start | test) ;;
  *) echo "usage: $0 start|test" >&2; exit 2 ;;
esac

# What building and running needs. Through fontconfig, Comic Neue stands in for "Comic Sans MS"
# and Liberation Sans for Arial.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libbenchmark-dev libxcb1-dev fonts-comic-neue fonts-liberation2 fontconfig)
# What the tests add: a real X server and a way to drive it as a player would.
[ "$mode" = test ] && packages+=(xvfb xauth xdotool x11-utils)

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

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
else
  echo "== all packages present"
fi

echo "== configuring and building in build/"
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEZUVAZOV_WERROR=ON
cmake --build build

if [ "$mode" = start ]; then
  echo "== starting build/app/vezuvazov"
  exec build/app/vezuvazov
fi
echo "== running the tests"
ctest --test-dir build --output-on-failure
for stage in "${stages[@]}"; do
  echo "== $stage"
  "$stage"
done
