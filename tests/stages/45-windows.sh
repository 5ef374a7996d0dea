# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# The whole program for Windows, where Qt for Windows is already built on this machine (the cache
# of dist/windows/cross-build.sh: $VEZUVAZOV_WIN_CACHE, by default ~/.cache/vezuvazov-windows):
# the cross-build with its zip, setup program and relinking kit (which it relinks), made a second
# time to the same SHA256SUMS, then tests/windows/check-under-wine.sh. Qt takes 20 minutes or more
# to build: the test command never builds it, and where it is missing the stage says so in one
# line and passes.

# shellcheck disable=SC2034  # packages and stages are read by build.sh
stages+=(windows_stage)
# The cross-build installs its own tools, in Debian 13; the check runs here, where it reads the
# .exe's resources with icoutils and the screenshots with ImageMagick, and Pillow reads those.
dist/windows/cross-build.sh --qt-cached && packages+=(imagemagick icoutils python3-pil)

windows_stage() {
  if ! dist/windows/cross-build.sh --qt-cached; then
    echo "Windows program: skipped, Qt for Windows is not built on this machine; to enable this" \
      "stage, run dist/windows/cross-build.sh once (it builds Qt in 20 to 80 minutes, in Debian" \
      "13, into \$VEZUVAZOV_WIN_CACHE or ~/.cache/vezuvazov-windows)"
    return 0
  fi
  local start=$SECONDS out=${VEZUVAZOV_WIN_OUT:-$PWD/build-windows} first
  dist/windows/cross-build.sh
  first=$(cat "$out/SHA256SUMS")
  dist/windows/cross-build.sh >/dev/null
  [ "$(cat "$out/SHA256SUMS")" = "$first" ] \
    || { echo "FAIL: a second cross-build differs:"; cat "$out/SHA256SUMS"; return 1; }
  echo "== the second cross-build gave the same SHA256SUMS"
  tests/windows/check-under-wine.sh "$out"
  echo "== Windows program built twice and checked under Wine: $((SECONDS - start)) s"
}
