# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Debian 13 proved on a Debian 12 machine, in bare Debian 13 systems made by tools/in-debian13.sh:
# - the whole test command again, on a clone of this tree with its uncommitted changes, in a
#   system made once with the packages the test command installs here; it builds in
#   build-debian13/, which stays for a look afterwards;
# - the package 30-package.sh made here, installed there with apt as a player would, and its
#   window shown in an X server.
# Inside, the Windows program's stage finds no Qt for Windows (its cache is this machine's) and
# says so; this stage finds itself on Debian 13 and does nothing, as it does on a Debian 13 machine,
# where the test command has just done all of this itself.
# shellcheck disable=SC2034  # packages and stages are read by build.sh
stages+=(debian13_stage)

on_debian13() {
  [ "$(. /etc/os-release && echo "${VERSION_ID:-}")" = 13 ]
}

debian13_suite() {
  local work=$PWD/build-debian13 log
  rm -rf "$work"
  mkdir -p "$work"
  log=$work/test.log
  git clone -q "$PWD" "$work/vezuvazov"
  git ls-files -z --cached --others --exclude-standard |
    tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$work/vezuvazov"
  echo "== the test command in a bare Debian 13 system: its output in $log"
  # The system comes with the packages this machine's test command installs, made once: the
  # names are the same on both releases, and apt finds each of them there when it is made.
  if ! tools/in-debian13.sh --bind "$work" --with "$(IFS=,; echo "${packages[*]}")" -- \
    bash -c "cd '$work/vezuvazov' && CI=true ./build.sh test" >"$log" 2>&1; then
    cat "$log"
    echo "FAIL: the test command failed on Debian 13 (its output above, kept in $log)"
    return 1
  fi
  grep -E '^== |tests passed|^Total Test time' "$log" | sed 's/^/   /'
}

# The package made on Debian 12 installs on Debian 13 and its window appears.
debian13_install() {
  local deb
  deb=$(ls "$PWD"/build-package/vezuvazov_*.deb)
  echo "== installing $(basename "$deb") in a bare Debian 13 system"
  tools/in-debian13.sh --bind "$(dirname "$deb")" --with xvfb,xauth,xdotool -- bash -euo pipefail -c '
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$1" >/dev/null
    xvfb-run -a bash -c "/usr/games/vezuvazov 2>/dev/null & timeout 30 xdotool search --sync \
      --onlyvisible --pid \$! --name . getwindowname"' bash "$deb" |
    sed 's/^/   the window appeared: /'
}

debian13_stage() {
  if on_debian13; then
    echo "== this is Debian 13: the test command has run here, no other system is made"
    return 0
  fi
  local start=$SECONDS
  debian13_suite
  debian13_install
  echo "== Debian 13: $((SECONDS - start)) s"
}
