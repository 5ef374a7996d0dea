#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The whole program for Windows, where Qt for Windows is already built on this machine (the cache
# of dist/windows/cross-build.sh: $VEZUVAZOV_WIN_CACHE, by default ~/.cache/vezuvazov-windows):
# the cross-build with its zip, setup program and relinking kit (which it relinks), made a second
# time to the same SHA256SUMS, then tests/windows/check-under-wine.sh. Qt takes 20 minutes or more
# to build: the test command never builds it, and where it is missing the stage says so in one
# line and passes. The cross-build brings its own tools, in Debian 13; the check runs here, with
# Wine, MinGW's objdump, the .exe's resources read by icoutils and screenshots by ImageMagick.
# Packages: wine64 binutils binutils-mingw-w64-x86-64 icoutils imagemagick
set -euo pipefail
cd "$(dirname "$0")/../.."
if ! dist/windows/cross-build.sh --qt-cached; then
  echo "Windows program: skipped, Qt for Windows is not built on this machine; to enable this" \
    "stage, run dist/windows/cross-build.sh once (it builds Qt in 20 to 80 minutes, in Debian" \
    "13, into \$VEZUVAZOV_WIN_CACHE or ~/.cache/vezuvazov-windows)"
  exit 0
fi
tools/install-packages.sh "$0"
out=${VEZUVAZOV_WIN_OUT:-$PWD/build-windows}
dist/windows/cross-build.sh
first=$(cat "$out/SHA256SUMS")
dist/windows/cross-build.sh >/dev/null
[ "$(cat "$out/SHA256SUMS")" = "$first" ] \
  || { echo "FAIL: a second cross-build differs:"; cat "$out/SHA256SUMS"; exit 1; }
echo "== the second cross-build gave the same SHA256SUMS"
dbus-run-session -- tests/windows/check-under-wine.sh "$out"
