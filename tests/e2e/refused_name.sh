#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Names the game cannot run, refused by "Create Script" before anything else:
#   "Buy" (the game's own command) and a name of 32 characters (too long for an alias) each give
#   one "Invalid Script Name" box; no save window opens and the main window stays as it is, with
#   the typed name;
#   one Backspace makes the long name 31 characters: "Create Script" then goes on as usual, and
#   the saved script carries that name.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

LONG_NAME="Buy$(printf 'x%.0s' $(seq 29))" # 32 characters

# Presses "Create Script" in main window $1 and expects the refusal, with nothing else changed.
expect_refused() {
  local main=$1
  click "$main" "$CREATE_BUTTON"
  answer_box "$INVALID_SCRIPT_NAME_BOX"
  expect_no_box
  [[ -z "$(visible_windows "$SAVE_TITLE")" ]] || fail "a save window opened for a refused name"
  [[ "$(visible_windows "$MAIN_TITLE")" == "$main" ]] || fail "the main window was replaced"
}

start_app
MAIN1=$(wait_window "$MAIN_TITLE")

focus "$MAIN1"
click "$MAIN1" "$NAME_BOX"
xdotool key End
xdotool key --repeat 8 --delay 5 BackSpace
xdotool type --delay 5 Buy
expect_refused "$MAIN1"
log "\"Buy\" refused"

focus "$MAIN1"
click "$MAIN1" "$NAME_BOX"
xdotool key End
xdotool type --delay 5 "${LONG_NAME:3}"
expect_refused "$MAIN1"
log "a name of ${#LONG_NAME} characters refused"

# The name box kept the long name: one character less is a name the game runs.
focus "$MAIN1"
click "$MAIN1" "$NAME_BOX"
xdotool key End BackSpace
create_script "$MAIN1"
save_into "$SAVE" "$GAME"
expect_files "$GAME" cstrike/MyScript.cfg
SAVED=$GAME/cstrike/MyScript.cfg
grep -q "^echo ${LONG_NAME:0:31} Activated"$'\r'"\$" "$SAVED" \
  || fail "the saved script does not carry the 31-character name: $(head -c 200 "$SAVED")"

exit_program "$MAIN"
e2e_pass
