#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Debian 13 proved on another release, in Debian 13 systems made by tools/in-debian.sh:
# - the whole test command again, on a clone of this tree with its uncommitted changes, in a
#   system made once with every package the test command installs; it builds in build-debian13/,
#   which stays for a look afterwards;
# - the package made here (the preset "package", as 30-package.sh makes and checks it), installed
#   there with apt as a player would, and its window shown in an X server.
# Inside, the Windows program's stage finds no Qt for Windows (its cache is this machine's) and
# says so; this stage finds itself on Debian 13 and does nothing, as it does on a Debian 13 machine,
# where the test command has just done all of this itself.
# Packages: dpkg-dev file
set -euo pipefail
"$(dirname "$0")/../../tools/install-packages.sh" "$0"
cd "$(dirname "$0")/../.."
if tools/in-debian.sh 13 --is-host; then
  echo "== this is Debian 13: the test command has run here, no other system is made"
  exit 0
fi

work=$PWD/build-debian13 log=$PWD/build-debian13/test.log
rm -rf "$work"
mkdir -p "$work"
git clone -q "$PWD" "$work/vezuvazov"
git ls-files -z --cached --others --exclude-standard |
  tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$work/vezuvazov"
echo "== the test command in a Debian 13 system: its output in $log"
# The test command's packages: build.sh's, the suite's and every stage's.
packages=$(tools/install-packages.sh --list build.sh tests/CMakeLists.txt tests/stages/*.sh)
if ! tools/in-debian.sh 13 --bind "$work" --with "${packages//$'\n'/,}" -- \
  bash -c "cd '$work/vezuvazov' && CI=true ./build.sh test" >"$log" 2>&1; then
  cat "$log"
  echo "FAIL: the test command failed on Debian 13 (its output above, kept in $log)"
  exit 1
fi
grep -E '^== |tests passed|^Total Test time' "$log" | sed 's/^/   /'

# The package made here installs on Debian 13 and its window appears.
cmake --preset package >/dev/null && cmake --build --preset package >/dev/null
cpack --preset package >/dev/null
deb=$(ls "$PWD"/build-package/vezuvazov_*.deb)
echo "== installing $(basename "$deb") in a bare Debian 13 system"
tools/in-debian.sh 13 --bind "$PWD" --with xvfb,xauth,xdotool -- bash -euo pipefail -c '
  "$1/tools/install-packages.sh" "$2"
  xvfb-run -a bash -c "/usr/games/vezuvazov 2>/dev/null & timeout 30 xdotool search --sync \
    --onlyvisible --pid \$! --name . getwindowname"' bash "$PWD" "$deb" |
  sed 's/^/   the window appeared: /'
