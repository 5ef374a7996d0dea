#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The players' guide, of which the manual page and the Windows README.txt are made, and README.md
# tell a player the same: whatever the guide gives to type or to look for, a `marked` piece or a
# line indented as one, README.md gives in the same words.
#   players_guide_in_readme.sh GUIDE README
set -euo pipefail
guide=$1 readme=$2 count=0 missing=0
# shellcheck disable=SC2016 # the backquotes are the guide's marks, not the shell's
pieces=$(grep -o '`[^`]*`' "$guide" | tr -d '`'; sed -n 's/^ \{4,\}//p' "$guide")
while IFS= read -r piece; do
  [ -n "$piece" ] || continue
  count=$((count + 1))
  grep -qF -- "$piece" "$readme" || { echo "README.md does not give: $piece"; missing=1; }
done <<<"$pieces"
echo "$count pieces of the guide looked for in README.md"
[ "$count" -gt 0 ] && exit "$missing"
