#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command as root in a bare Debian 13 system made with Debian's own mmdebstrap, so that a
# Debian 12 machine can build and test for today's stable release. On Debian 13 itself it runs the
# command as it is.
#   tools/in-debian13.sh [--bind DIR]... [--with PACKAGE,...] -- COMMAND [ARG]...
# Each DIR is bound at the same path inside. The system is made once, as a tarball in the cache,
# and unpacked afresh for every run; the packages apt fetches there are kept in the cache too.
# With --with, the system is made with those packages installed, once for each set of them.
# What it says of making them goes to the standard error; the output is the command's.
# Everything runs in mount and process namespaces of its own: when the command ends, its
# processes end with it and nothing it mounted stays, and the unpacked system is removed.
#
# Environment:
#   VEZUVAZOV_DEBIAN13_CACHE  where the system's tarball and packages are kept
#                             (default ~/.cache/vezuvazov-debian13)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

binds=() with=""
while [ $# -gt 0 ]; do
  case "$1" in
    --bind) binds+=("$(realpath "$2")"); shift 2 ;;
    --with) with=$(tr ', ' '\n\n' <<<"$2" | grep . | LC_ALL=C sort -u | paste -sd, -); shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--bind DIR]... [--with PACKAGE,...] -- COMMAND [ARG]..." >&2; exit 2; }

if [ "$(. /etc/os-release && echo "${VERSION_ID:-}")" = 13 ]; then
  exec "$@"
fi
if [ "$(id -u)" -ne 0 ]; then
  again=()
  for dir in "${binds[@]}"; do again+=(--bind "$dir"); done
  exec sudo --preserve-env=VEZUVAZOV_DEBIAN13_CACHE "$0" "${again[@]}" --with "$with" -- "$@"
fi

cache=${VEZUVAZOV_DEBIAN13_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vezuvazov-debian13}
bare=$cache/trixie-minbase.tar
tarball=$bare
[ -z "$with" ] || tarball=$cache/trixie-with-$(sha256sum <<<"$with" | cut -c1-12).tar
mkdir -p "$cache/archives/partial"
roots=()
# Only what is below a root and on its own file system is removed: the namespace's mounts are
# never seen here, and --one-file-system would stop at any that were.
trap 'for r in "${roots[@]}"; do rm -rf --one-file-system "$r"; done' EXIT

# The system this machine's apt already trusts the registry for: the same addresses, Debian 13's
# suites.
make_bare_system() {
  local sources main security part=$bare.$$.tar  # mmdebstrap writes a tarball for a .tar name
  "$here/install-packages.sh" mmdebstrap >&2
  sources=$(cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null || true)
  main=$(sed -n 's/^URIs: *//p; s/^deb \([^ ]*\) [a-z]*[ -]updates\{0,1\} .*/\1/p' <<<"$sources" \
    | grep -v security | head -n 1)
  security=$(sed -n 's/^URIs: *//p; s/^deb \([^ ]*\) .*security.*/\1/p' <<<"$sources" \
    | grep security | head -n 1)
  echo "== making a bare Debian 13 system in $bare" >&2
  mmdebstrap --quiet --variant=minbase --include=ca-certificates,git,sudo trixie "$part" \
    "deb $main trixie main" "deb $main trixie-updates main" \
    ${security:+"deb $security trixie-security main"}
  mv "$part" "$bare"
}

# A fresh root unpacked from the tarball $1; its name in `root`.
unpack() {
  root=$(mktemp -d "$cache/root.XXXXXX")
  roots+=("$root")
  tar -xf "$1" -C "$root"
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# Runs a command in the root $1. Inside new namespaces: the mounts below are seen by this command
# alone, and when its first process ends the kernel ends every other one and the mounts go with
# the namespace; that process ends with unshare, however unshare ends.
run_in() {
  local root=$1
  shift
  unshare --mount --pid --fork --kill-child --propagation private -- bash -euo pipefail -c '
    root=$1 cache=$2; shift 2
    # A mount of its own, as the root of a real system is: a program may change how "/" is
    # mounted in a namespace of its own (the writer'"'"'s tests make theirs private).
    mount --bind "$root" "$root"
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    mount -t tmpfs tmp "$root/tmp" && chmod 1777 "$root/tmp"
    mount --bind "$cache/archives" "$root/var/cache/apt/archives"
    while [ "$1" != -- ]; do
      mkdir -p "$root$1" && mount --bind "$1" "$root$1"
      shift
    done
    shift
    # Not the last command, which bash would exec: the first process of a namespace gets no
    # signal it has not asked for, and some programs (xvfb-run) wait for one from their children.
    status=0
    chroot "$root" env -i HOME=/root TERM="${TERM:-dumb}" CI="${CI:-}" LANG=C.UTF-8 \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@" || status=$?
    exit "$status"
  ' bash "$root" "$cache" "${binds[@]}" -- "$@"
}

# The bare system with the packages installed by apt, as a tarball of its own.
make_system_with_packages() {
  local part=$tarball.$$.part binds=()  # nothing of this machine's bound while it is made
  echo "== making a Debian 13 system with $with in $tarball" >&2
  unpack "$bare"
  run_in "$root" bash -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "$@" >/dev/null && apt-get clean' \
    bash ${with//,/ }
  tar -cf "$part" -C "$root" .
  mv "$part" "$tarball"
}

[ -f "$bare" ] || make_bare_system
[ -f "$tarball" ] || make_system_with_packages
unpack "$tarball"
run_in "$root" "$@"
