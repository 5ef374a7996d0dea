#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program on Wayland, in a headless Weston, driven through AT-SPI as a screen reader or a
# switch user would drive it: the controls are heard by their names, also after a value is picked;
# "Create Script" opens the save window, which Weston shows above the new main window; "Exit" ends
# the program with exit code 0.
export E2E_WM=weston
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Whether the shown window of the title $1 has, for each ROLE NAME pair that follows, a control of
# that role (pyatspi's name for it) and name: what a screen reader hears of it.
heard() {
  local controls
  controls=$(atspi "$1" | sed 's/=[^=]*$//') || return 1
  shift
  while (($# >= 2)); do
    grep -qxF -- "$1 $2" <<<"$controls" || return 1
    shift 2
  done
}

# Whether Weston stacks the save window right above the main window, on top of all.
save_window_on_top() {
  local stack
  mapfile -t stack < <(timeout "$E2E_TIMEOUT" weston-debug scene-graph \
    | sed -n "s/.*top-level window '\([^']*\)'.*/\1/p")
  [[ "${stack[0]:-}|${stack[1]:-}" == "$SAVE_TITLE|$MAIN_TITLE" ]]
}

start_app
# The controls whose names are not their captions.
wait_until "the main window's controls are not heard by their names" heard "$MAIN_TITLE" \
  ROLE_IMAGE "$TITLE_PICTURE" ROLE_TEXT "$NAME_BOX" ROLE_COMBO_BOX "$PRIMARY_COMBO" \
  ROLE_COMBO_BOX "$SECONDARY_COMBO" ROLE_COMBO_BOX "$BIND_KEY_COMBO" \
  ROLE_CHECK_BOX "$ANNOUNCE_CHECK" ROLE_TEXT "$ADVERTISE_BOX"
# A value picked or typed is the combo box's value, never its name.
atspi "$MAIN_TITLE" "$PRIMARY_COMBO" set UMP45 || fail "could not type into \"$PRIMARY_COMBO\""
wait_until "the combo box is not heard by its name with a typed value" \
  heard "$MAIN_TITLE" ROLE_COMBO_BOX "$PRIMARY_COMBO"
wait_until "\"$CREATE_BUTTON\" could not be pressed" atspi "$MAIN_TITLE" "$CREATE_BUTTON" press
wait_until "the save window's controls are not heard by their names" heard "$SAVE_TITLE" \
  ROLE_TEXT "$DIRECTORY_BOX" ROLE_PUSH_BUTTON "$OK_BUTTON"
wait_until "the save window is not on top of the new main window" save_window_on_top
wait_until "\"$EXIT_BUTTON\" could not be pressed" atspi "$MAIN_TITLE" "$EXIT_BUTTON" press
expect_exit_code 0
e2e_pass
