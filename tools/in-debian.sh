#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command as root in a bare system of a named Debian release, made with Debian's own
# mmdebstrap, so that one machine can build and test for other releases. On that release itself it
# runs the command as it is.
#   tools/in-debian.sh RELEASE [--bind DIR]... [--with PACKAGE,...] -- COMMAND [ARG]...
#   tools/in-debian.sh RELEASE --is-host    exit status 0 when this machine runs RELEASE
#   tools/in-debian.sh RELEASE [--with PACKAGE,...] --system
#                                           prints the system's folder, made if it is not there
#                                           (on RELEASE too: piuparts starts from a copy of it)
# RELEASE is 12, 13, forky, or host for the machine's own. Each DIR is bound at the same path
# inside. The system is made once, with the packages of --with installed, for each set of them, and
# kept in the cache; each run sees it through an overlay of its own, so that nothing a run changes
# reaches the next. The packages apt fetches are kept in the cache too. What it says of making a
# system goes to the standard error; the output is the command's. The command finds the release's
# number or name in VEZUVAZOV_IN_DEBIAN. Everything runs in mount and process namespaces of its own:
# when the command ends, its processes end with it and nothing it mounted stays.
#
# Environment:
#   VEZUVAZOV_DEBIAN_CACHE  where the systems and packages are kept
#                           (default ~/.cache/vezuvazov-debian, of the user who runs this)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The releases by their numbers (or name, while in development) and their code names.
releases=(12:bookworm 13:trixie forky:forky)
release=${1:-} codename=""
# "host" names the machine's own release, for --system.
[ "$release" != host ] || release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
for pair in "${releases[@]}"; do
  [ "$release" = "${pair%:*}" ] || [ "$release" = "${pair#*:}" ] &&
    release=${pair%:*} codename=${pair#*:}
done
[ -n "$codename" ] || {
  echo "usage: $0 12|13|forky|host [--bind DIR]... [--with PACKAGE,...] -- COMMAND [ARG]..." >&2
  exit 2
}
shift
if [ "${1:-}" = --is-host ]; then
  [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = "$codename" ]
  exit
fi
binds=() with="" print_system=""
while [ $# -gt 0 ]; do
  case "$1" in
    --bind) binds+=("$(realpath "$2")"); shift 2 ;;
    --system) print_system=1; shift; break ;;
    --with) with=$(tr ', ' '\n\n' <<<"$2" | grep . | LC_ALL=C sort -u | paste -sd, -); shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || [ -n "$print_system" ] ||
  { echo "usage: $0 $release [--bind DIR]... [--with PACKAGE,...] -- COMMAND" >&2; exit 2; }

export VEZUVAZOV_IN_DEBIAN=$release
[ -z "$print_system" ] && "$0" "$release" --is-host && exec "$@"
if [ "$(id -u)" -ne 0 ]; then
  again=(--with "$with")
  for dir in "${binds[@]}"; do again+=(--bind "$dir"); done
  if [ -n "$print_system" ]; then again+=(--system); else again+=(-- "$@"); fi
  exec sudo VEZUVAZOV_DEBIAN_CACHE="${VEZUVAZOV_DEBIAN_CACHE:-$HOME/.cache/vezuvazov-debian}" \
    "$0" "$release" "${again[@]}"
fi

cache=${VEZUVAZOV_DEBIAN_CACHE:-$HOME/.cache/vezuvazov-debian}
system=$cache/$codename-$(sha256sum <<<"$with" | cut -c1-12)
mkdir -p "$cache/archives/partial"

# The system, with the same registry this machine's apt takes Debian from, the release's updates
# and security suites where it has them, and the sources, which the Windows build fetches Qt's from.
make_system() {
  local main security part=$system.$$
  "$here/install-packages.sh" mmdebstrap >&2
  main=$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' | grep -v security | head -n1)
  security=$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' | grep security |
    head -n1)
  local suites=("deb $main $codename main" "deb-src $main $codename main") options=()
  if [ "$release" = forky ]; then
    options+=(--aptopt='Acquire::Check-Valid-Until "false"')
  else
    suites+=("deb $main $codename-updates main" "deb $security $codename-security main")
  fi
  echo "== making a Debian $release system in $system${with:+ with $with}" >&2
  rm -rf --one-file-system "$part"
  # dpkg runs under eatmydata while the system is made (mmdebstrap's own hooks), which leave the
  # system without it: a system is made afresh when it can be, not kept through a power cut.
  mmdebstrap --quiet --variant=minbase --include="ca-certificates,git,sudo${with:+,$with}" \
    "${options[@]}" --hook-dir=/usr/share/mmdebstrap/hooks/eatmydata \
    --skip=download/empty --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in $cache/archives /var/cache/apt/archives" \
    --customize-hook="sync-out /var/cache/apt/archives $cache/archives" \
    "$codename" "$part" "${suites[@]}" >&2
  mv "$part" "$system"
}

# Runs the command in an overlay of the system. Files on an overlay have handles (nfs_export) only
# with its index: fanotify then watches them, as the monkey watches its program. /tmp is on the
# overlay too, not on a disk in memory of its own, whose files fanotify names wrongly beside
# others. Inside new namespaces: the mounts below are seen by
# this command alone, and when its first process ends the kernel ends every other one and the
# mounts go with the namespace; that process ends with unshare, however unshare ends.
run() {
  run=$(mktemp -d "$cache/run.XXXXXX")
  trap 'rm -rf --one-file-system "$run"' EXIT
  mkdir "$run/upper" "$run/work" "$run/root"
  unshare --mount --pid --fork --kill-child --propagation private -- bash -euo pipefail -c '
    system=$1 run=$2 cache=$3; shift 3
    root=$run/root
    mount -t overlay overlay \
      -o "lowerdir=$system,upperdir=$run/upper,workdir=$run/work,index=on,nfs_export=on" "$root"
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    mount --bind "$cache/archives" "$root/var/cache/apt/archives"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
    while [ "$1" != -- ]; do
      mkdir -p "$root$1" && mount --bind "$1" "$root$1"
      shift
    done
    shift
    # Not the last command, which bash would exec: the first process of a namespace gets no
    # signal it has not asked for, and some programs (xvfb-run) wait for one from their children.
    status=0
    chroot "$root" env -i HOME=/root TERM="${TERM:-dumb}" CI="${CI:-}" LANG=C.UTF-8 \
      VEZUVAZOV_IN_DEBIAN="$VEZUVAZOV_IN_DEBIAN" \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@" || status=$?
    exit "$status"
  ' bash "$system" "$run" "$cache" "${binds[@]}" -- "$@"
}

# A release in development: a copy of the registry may be older than its Release file's
# Valid-Until date, which apt then refuses; its system alone accepts it (make_system).
[ "$release" != forky ] ||
  echo "== Debian $release is in development: its system's apt accepts a Release file past its" \
    "Valid-Until date" >&2
[ -d "$system" ] || make_system
[ -z "$print_system" ] || { echo "$system"; exit 0; }
run "$@"
