# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# The script core and its tests, cross-compiled for Windows with MinGW-w64 and run under Wine: the
# core builds and behaves the same there. The whole program for Windows needs a Qt built for it,
# which takes long: 45-windows.sh builds and checks it where that Qt is at hand.

# shellcheck disable=SC2034  # packages and stages are read by build.sh
packages+=(g++-mingw-w64-x86-64-posix wine64 googletest)
stages+=(windows_core_tests)

windows_core_tests() {
  local build=build-windows-core
  [ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=dist/windows/mingw-w64-x86_64.cmake -DVEZUVAZOV_WERROR=ON \
    -DVEZUVAZOV_GUI=OFF -DVEZUVAZOV_BENCH=OFF -DVEZUVAZOV_GTEST_SOURCE=/usr/src/googletest
  cmake --build "$build"
  # A Wine set-up of its own, made on the first run; no .NET or HTML engine to offer installing.
  local prefix=$PWD/$build/wine rc=0
  WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \
    ctest --test-dir "$build" --output-on-failure --no-tests=error || rc=$?
  # Wine's server and services would stay behind for a while after the tests.
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  return "$rc"
}
