#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# "Exit" while the save window is open: the program ends at once with exit code 0 and writes no
# file, although the save window's directory box points at a game directory with a cstrike folder
# (a wrongful write would land there).
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

start_and_create
replace_text "$SAVE" "$DIRECTORY_BOX" "$GAME"
expect_no_box
is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed before Exit"

focus "$MAIN2"
click "$MAIN2" "$EXIT_BUTTON"
if ! wait_app_end; then
  written=$(find "$E2E_WORK" -name '*.cfg')
  [[ -z "$written" ]] || fail "Exit wrote a file ($written) and the program did not end"
  fail "the program did not end within ${E2E_TIMEOUT}s of Exit"
fi
expect_exit_code 0
expect_files "$GAME"
written=$(find "$E2E_WORK" -name '*.cfg')
[[ -z "$written" ]] || fail "a .cfg file was written: $written"
e2e_pass
