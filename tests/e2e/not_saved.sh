#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A failed save and its correction:
#   OK with a directory that has no cstrike folder shows "Not Saved", writes nothing (and creates
#   no folder), and keeps the save window open with the typed directory;
#   the player then shortens that same text to the game directory and presses OK again, where the
#   disk fails the file's sync (strace fails the program's first fdatasync): "Not Saved" again,
#   nothing written; at the next OK the disk fails the file's new name (strace fails the first link
#   and the first rename): "Not Saved", nothing written; OK once more saves MyScript.cfg there with
#   exactly the expected bytes, and syncs the folder after the rename.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# A directory without a cstrike folder, whose path is the game directory plus "/hl".
WRONG="$GAME/hl"
mkdir "$WRONG"
expected_scripts 1 >"$E2E_WORK/one.expected"

command -v strace >/dev/null || fail "strace is not installed (./build.sh test installs it)"
E2E_STRACE="-I1 -y -e trace=fdatasync,fsync,rename,linkat -e inject=fdatasync:error=EIO:when=1
  -e inject=linkat,rename:error=EIO:when=1"
start_and_create

# ---- OK into a directory without cstrike.
replace_text "$SAVE" "$DIRECTORY_BOX" "$WRONG"
click "$SAVE" "$OK_BUTTON"
BOX=$(wait_window "$NOT_SAVED_BOX")
is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed on a failed save"
[[ -z "$(visible_windows "$FINISHED_BOX")" ]] \
  || fail "a $FINISHED_BOX box appeared on a failed save"
expect_files "$WRONG"
expect_files "$GAME"
focus "$BOX"
xdotool key Return
wait_gone "$NOT_SAVED_BOX" "$BOX"
log "box \"$NOT_SAVED_BOX\" answered"
is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed after the $NOT_SAVED_BOX box"
expect_no_box

# ---- Correct the kept text: remove the trailing "/hl", then OK again, and again.
focus "$SAVE"
click "$SAVE" "$DIRECTORY_BOX"
xdotool key End
xdotool key --repeat 3 --delay 5 BackSpace
for failed in "sync its file" "give its file its name"; do
  save_gives "$SAVE" "$NOT_SAVED_BOX" "the disk could not $failed, yet the save was reported done"
  expect_files "$GAME"
done
save_gives "$SAVE" "$FINISHED_BOX" \
  "the corrected directory did not save: was the typed text kept after $NOT_SAVED_BOX?"
wait_gone "$SAVE_TITLE" "$SAVE"
expect_same_bytes "$GAME/cstrike/MyScript.cfg" "$E2E_WORK/one.expected"
expect_files "$GAME" cstrike/MyScript.cfg
expect_files "$WRONG"
# The new name, given by a link or a rename, is followed by a sync of the folder.
awk '/^(linkat|rename)\(.*\/cstrike\/MyScript\.cfg"(, AT_SYMLINK_FOLLOW)?\) = 0$/ { named = 1 }
  named && /^fsync\([0-9]+<.*\/cstrike>\) = 0$/ { synced = 1 } END { exit !synced }' \
  "$E2E_WORK/trace" || fail "the folder was not synced after the save: $(cat "$E2E_WORK/trace")"

exit_program "$MAIN2"
e2e_pass
