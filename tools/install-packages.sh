#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs those of the named Debian packages that are not installed yet, as root or through sudo.
#   tools/install-packages.sh PACKAGE...
set -euo pipefail

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "== all packages present"
  exit 0
fi
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
  --no-install-recommends "${missing[@]}"
