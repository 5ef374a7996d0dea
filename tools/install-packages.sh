#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs those of the named Debian packages that are not installed yet, as root or through sudo.
#   tools/install-packages.sh [--list] NAME...
# A NAME that is a file stands for the packages its "# Packages:" lines name: build.sh, the test
# suite (tests/CMakeLists.txt) and each stage state what they need so. A NAME that is a .deb file
# is installed with what it depends on. With --list the names are printed, one a line, sorted, and
# nothing is installed.
set -euo pipefail

list=""
[ "${1:-}" = --list ] && { list=1; shift; }
wanted=()
for name in "$@"; do
  if [ -f "$name" ] && [[ $name != *.deb ]]; then
    read -ra named <<<"$(sed -n 's/^# Packages: //p' "$name" | tr '\n' ' ')"
    wanted+=("${named[@]}")
  else
    wanted+=("$name")
  fi
done
if [ -n "$list" ]; then
  printf '%s\n' "${wanted[@]}" | LC_ALL=C sort -u
  exit 0
fi

missing=()
for p in "${wanted[@]}"; do
  [[ $p != *.deb ]] &&
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0
echo "== installing: ${missing[*]}"
if ! command -v apt-get >/dev/null; then
  echo "This system has no apt-get: install these Debian packages, or your system's packages of" \
    "the same software, with its own package manager, then try again: ${missing[*]}" >&2
  exit 1
fi
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Installing needs root and this system has no sudo: run this as root, or have an" \
      "administrator run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
# Another installer may hold dpkg's lock for a while (an unattended upgrade): wait for it.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
  --no-install-recommends "${missing[@]}" >/dev/null
