#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Text pasted into the name box with a middle click, from the X selection, in the real program:
# the save window's directory "C:\Sierra\Half-Life", selected with the mouse, holds characters
# outside the name characters, so the middle click brings one "Invalid Character" box and the
# name stays "MyScript", as the saved file's name shows.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

start_and_create

# Three clicks select the whole directory text, which becomes the X selection.
focus "$SAVE"
click "$SAVE" "$DIRECTORY_BOX" --repeat 3 --delay 50 1

focus "$MAIN2"
click "$MAIN2" "$NAME_BOX" 2
answer_box "$INVALID_CHARACTER_BOX"
expect_no_box

save_into "$SAVE" "$GAME"
expect_files "$GAME" cstrike/MyScript.cfg

exit_program "$MAIN2"
e2e_pass
