#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Pastes from an X clipboard and selection that no program owns (the usual state after logging in,
# or once the program that copied has quit), then from owners that offer only a picture: Ctrl+V,
# Shift+Insert and a middle click into the advertise box, Ctrl+V and a middle click into the save
# window's directory box. The program keeps running and ends with exit code 0 at Exit.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

start_and_create

paste_everywhere() {
  focus "$MAIN"
  click "$MAIN" "$ADVERTISE_BOX"
  xdotool key ctrl+v shift+Insert
  click "$MAIN" "$ADVERTISE_BOX" 2
  sleep 0.2
  app_alive || fail "the program ended on a paste into the advertise box from $1"
  focus "$SAVE"
  click "$SAVE" "$DIRECTORY_BOX"
  xdotool key ctrl+v
  click "$SAVE" "$DIRECTORY_BOX" 2
  # A round trip through the program: it has handled every paste once it draws the box again.
  locate "$MAIN" "$ADVERTISE_BOX"
  xdotool mousemove --window "$MAIN" "$AT_X" "$AT_Y" sleep 0.5
  app_alive || fail "the program ended on a paste into the directory box from $1"
  expect_no_box
  log "pastes from $1: the program runs on"
}

selections_without_owner
paste_everywhere "selections without an owner"
selections_picture_only
paste_everywhere "owners that offer only a picture"

exit_program "$MAIN"
e2e_pass
