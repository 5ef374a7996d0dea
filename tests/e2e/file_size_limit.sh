#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A save that passes the real program's file-size limit (ulimit -f): the system's signal must not
# end the program. The write fails, "Not Saved" shows, nothing is left in the game folder, the
# save window stays for another try, and Exit ends the program with code 0. (The box's reason,
# "File too large", is checked where the writer is tested.)
# Usage: file_size_limit.sh PATH_TO_PROGRAM
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Two scripts make a file of 1,288 bytes, past a limit of 1 KiB.
E2E_FILE_SIZE_KIB=1
start_and_create
create_script "$MAIN2" "$MAIN1"
MAIN3=$MAIN
replace_text "$SAVE" "$DIRECTORY_BOX" "$GAME"
click "$SAVE" "$OK_BUTTON"
ANSWER=$(wait_any_title 'Not Saved' Finished)
[[ "$ANSWER" == 'Not Saved' ]] || fail "a file past the size limit was reported as saved"
answer_box 'Not Saved'
app_alive || fail "the program ended after the failed save"
is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed on a failed save"
expect_files "$GAME"

focus "$MAIN3"
click "$MAIN3" "$EXIT_BUTTON"
expect_exit_code 0
e2e_pass
