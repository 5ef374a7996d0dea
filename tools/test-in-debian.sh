#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the named stages, on a clone of this tree with its uncommitted changes, in a system of
# another Debian release made by tools/in-debian.sh with every package they and the test command
# name. On that release itself it does nothing: the test command has run there.
#   tools/test-in-debian.sh RELEASE [STAGE]...
# The clone and its build folders stay in build-debian-RELEASE/ for a look afterwards, the whole
# output in build-debian-RELEASE/test.log, which is shown whole when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
release=${1:?usage: $0 RELEASE [STAGE]...}
shift
if tools/in-debian.sh "$release" --is-host; then
  echo "== this is Debian $release: the test command has run here, no other system is made"
  exit 0
fi

work=$PWD/build-debian-$release log=$PWD/build-debian-$release/test.log
rm -rf "$work"
mkdir -p "$work"
git clone -q "$PWD" "$work/vezuvazov"
git ls-files -z --cached --others --exclude-standard |
  tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$work/vezuvazov"
packages=$(tools/install-packages.sh --list build.sh tests/CMakeLists.txt "$@")
# The builds there compile through this machine's ccache, which keeps each release's compilers'
# objects apart.
ccache_dir=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}
mkdir -p "$ccache_dir"
# The monkey's run, as the caller sets it (MONKEY_SEED replays a run there too).
monkey=()
for name in $(compgen -v MONKEY_); do monkey+=("$name=${!name}"); done
echo "== ${*:-no stage} in a Debian $release system: the output in $log"
# Each step says how long it took, as build.sh does.
if ! tools/in-debian.sh "$release" --bind "$work" --bind "$ccache_dir" \
  --with "${packages//$'\n'/,}" -- env "${monkey[@]}" bash -euc 'export CCACHE_DIR=$1
    cd "$2"
    shift 2
    for stage; do
      started=$SECONDS
      bash "$stage"
      echo "== $stage: $((SECONDS - started)) s"
    done' \
  bash "$ccache_dir" "$work/vezuvazov" "$@" >"$log" 2>&1; then
  cat "$log"
  echo "FAIL: the test command failed on Debian $release (its output above, kept in $log)"
  exit 1
fi
grep -E '^== |tests passed|^Total Test time' "$log" | sed 's/^/   /'
