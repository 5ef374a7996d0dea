#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The script core and its tests, cross-compiled for Windows with MinGW-w64 and run under Wine (the
# preset "windows-core"): the core builds and behaves the same there. The whole program for
# Windows needs a Qt built for it, which takes long: 45-windows.sh builds and checks it where that
# Qt is at hand.
# Packages: g++-mingw-w64-x86-64-posix wine64 googletest
set -euo pipefail
"$(dirname "$0")/../../tools/install-packages.sh" "$0"
cd "$(dirname "$0")/../.."
# Wine's server and services would stay behind for a while after the tests.
trap 'WINEPREFIX=$PWD/build-windows-core/wine /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
cmake --workflow --preset windows-core
