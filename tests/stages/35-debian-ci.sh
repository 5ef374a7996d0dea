#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The package as Debian's own CI checks a package, on the machine's release, with Debian's tools:
# - reprotest: built again from a copy of the sources as another user (nobody; the package stage
#   builds as the checkout's user) with the build path, the time (faketime), the locale, the time
#   zone, the umask, HOME, PATH, the environment, the order of files in folders (disorderfs), the
#   kernel's name, the processors, the host name and ASLR varied, the package is the same bytes as
#   the one of the preset "package" (its control build);
# - blhc: that build's log shows Debian's hardening flags on every compile and link;
# - piuparts: installed with what it depends on, removed and purged in a bare system of the same
#   release, it leaves that system as it was;
# - the package installs with apt in a bare system of the next release, Debian 13, and its window
#   appears there.
# The Debian releases of 50-debian13.sh and 55-forky.sh take the package stage, not this one:
# these checks start systems of their own from this machine.
# Packages: dpkg-dev file sudo reprotest diffoscope-minimal faketime disorderfs blhc piuparts
set -euo pipefail
"$(dirname "$0")/../../tools/install-packages.sh" "$0"
cd "$(dirname "$0")/../.."
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
cmake --preset package >/dev/null
cmake --build --preset package >/dev/null
cpack --preset package >/dev/null
deb=$(ls "$PWD"/build-package/vezuvazov_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# reprotest takes its control build's artifacts under source-root/, as it stores its own; the
# sources are the tree's files as git has them, with the uncommitted changes.
mkdir -p "$work/control/source-root/build-package" "$work/sources"
cp "$deb" "$work/control/source-root/build-package/"
git ls-files -z --cached --others --exclude-standard |
  tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$work/sources"
chmod -R a+rX "$work"
# reprotest varies the user through "sudo -h localhost", which Debian 12's sudo refuses: it runs
# as nobody instead, for whom disorderfs needs FUSE's device, which a desktop's udev gives everyone
# and this machine gives root alone: a node of its own, in a mount namespace of its own.
mknod -m 666 "$work/fuse" c "$((0x$(stat -c %t /dev/fuse)))" "$((0x$(stat -c %T /dev/fuse)))"
echo "== reprotest: the package built again, as nobody, with everything reprotest varies"
build="SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH cmake --preset package >/dev/null &&
  cmake --build --preset package -- -v && cpack --preset package"
unshare --mount --propagation private -- bash -c 'mount --bind "$1/fuse" /dev/fuse && shift &&
  exec runuser -u nobody -- "$@"' bash "$work" reprotest --verbosity 1 --vary=-user_group \
  --control-build "$work/control" -c "$build" "$work/sources" 'build-package/vezuvazov_*.deb' \
  >"$work/reprotest.log" 2>&1 ||
  {
    cat "$work/reprotest.log"
    echo "FAIL: the package built again differs, or did not build"
    exit 1
  }
grep -E 'variation:|Reproduction successful|No differences' "$work/reprotest.log" | cut -c1-100 |
  sed 's/^/   /'

# blhc reads a build log from dpkg-buildpackage's first line on, and the compile lines whole:
# the build is CPack's, so its log starts with that line itself, and Ninja's progress goes.
# Debugging information (-g) is no hardening, and the package's binary has none.
echo "== blhc: the hardening flags in that build's log"
{
  echo "dpkg-buildpackage: info: host architecture $(dpkg --print-architecture)"
  sed 's/^\[[0-9]*\/[0-9]*\] //' "$work/reprotest.log"
} >"$work/build.log"
blhc --debian --all --ignore-flag -g "$work/build.log" ||
  { echo "FAIL: the build log lacks hardening flags"; exit 1; }
echo "   every compile and link of the build has them"

echo "== piuparts: installed, removed and purged in a bare system of this release"
piuparts --existing-chroot="$(tools/in-debian.sh host --system)" --keep-sources-list \
  --no-upgrade-test "$deb" >"$work/piuparts.log" 2>&1 ||
  { cat "$work/piuparts.log"; echo "FAIL: piuparts"; exit 1; }
grep -E 'INFO: PASS' "$work/piuparts.log" | sed 's/^/   /'

if ! tools/in-debian.sh 13 --is-host; then
  echo "== installing $(basename "$deb") in a bare Debian 13 system"
  tools/in-debian.sh 13 --bind "$PWD" --with xvfb,xauth,xdotool -- bash -euo pipefail -c '
    "$1/tools/install-packages.sh" "$2" >&2
    xvfb-run -a bash -c "/usr/games/vezuvazov 2>/dev/null & timeout 30 xdotool search --sync \
      --onlyvisible --pid \$! --name . getwindowname"' bash "$PWD" "$deb" |
    sed 's/^/   the window appeared: /'
fi
