#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program installed under a prefix of a player's own, as by `cmake --install build --prefix
# ~/.local`, and one with a blank in it: its desktop entry is valid, names the program by its full
# path, and that starts it where PATH does not hold it. The program ends at once, with status 1,
# when it cannot start; still running after three seconds, it has started.
#   desktop_entry_installed.sh BUILD-DIRECTORY
set -euo pipefail
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
prefix="$folder/a home/.local"
cmake --install "$1" --prefix "$prefix" >/dev/null
entry=("$prefix"/share/applications/*.desktop)
desktop-file-validate "${entry[@]}"
grep -qx "Exec=\"$prefix/games/vezuvazov\"" "${entry[@]}" || { grep '^Exec' "${entry[@]}"; exit 1; }
status=0
PATH=/usr/bin:/bin xvfb-run -a timeout 3 "$prefix/games/vezuvazov" || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended with status $status"; exit 1; }
