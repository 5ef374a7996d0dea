#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A save that passes the real program's file-size limit (ulimit -f): the system's signal must not
# end the program. The write fails, "Not Saved" shows, nothing is left in the game folder, the
# save window stays for another try, and Exit ends the program with code 0. (The box's reason,
# "File too large", is checked where the writer is tested.)
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Two scripts make a file past a limit of 1 KiB.
E2E_FILE_SIZE_KIB=1
(($(expected_scripts 2 | wc -c) > E2E_FILE_SIZE_KIB * 1024)) || fail "two scripts fit in 1 KiB"
start_and_create
create_script "$MAIN2" "$MAIN1"
MAIN3=$MAIN
replace_text "$SAVE" "$DIRECTORY_BOX" "$GAME"
save_gives "$SAVE" "$NOT_SAVED_BOX" "a file past the size limit was reported as saved"
app_alive || fail "the program ended after the failed save"
is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed on a failed save"
expect_files "$GAME"

exit_program "$MAIN3"
e2e_pass
