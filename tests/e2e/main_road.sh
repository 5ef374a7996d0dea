#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The player's main road: two scripts saved in one session, then Exit.
#   Round 1: "Create Script" with every start value, OK into a game directory: MyScript.cfg holds
#            exactly the expected bytes; the main window is replaced by a new one.
#   Round 2: "Create Script" again, then the name box of the new main window is changed to "Rush"
#            (a typed space is refused with "Invalid Character") before OK: Rush.cfg holds both
#            scripts of the session, and MyScript.cfg is untouched.
#   Exit ends the program with exit code 0.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

expected_scripts 1 >"$E2E_WORK/one.expected"
expected_scripts 2 >"$E2E_WORK/two.expected"

# Out of the task bar and the pager, as large as the program makes it (it tells screen readers its
# size), and centred on the screen: its middle at most half a pixel off the screen's.
expect_main_window() {
  local wid=$1 state w h screen_w screen_h
  state=$(xprop -id "$wid" _NET_WM_STATE)
  [[ "$state" == *_NET_WM_STATE_SKIP_TASKBAR* && "$state" == *_NET_WM_STATE_SKIP_PAGER* ]] \
    || fail "main window $wid is in the task bar or the pager: $state"
  locate "$wid" "$MAIN_TITLE" || fail "AT-SPI shows no size of main window $wid"
  IFS=, read -r _ _ w h <<<"$AT_RECT"
  window_geometry "$wid"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  [[ "${WIDTH}x$HEIGHT" == "${w}x$h" ]] || fail "main window $wid is ${WIDTH}x$HEIGHT, not ${w}x$h"
  (((2 * X + WIDTH - screen_w) ** 2 <= 1 && (2 * Y + HEIGHT - screen_h) ** 2 <= 1)) \
    || fail "main window $wid stands at $X,$Y: not centred on the ${screen_w}x$screen_h screen"
}

start_app
MAIN1=$(wait_window "$MAIN_TITLE")
log "main window $MAIN1"
expect_main_window "$MAIN1"

# ---- Round 1: everything at its start value.
create_script "$MAIN1"
SAVE1=$SAVE MAIN2=$MAIN
[[ $(visible_windows "$MAIN_TITLE" | wc -l) -eq 1 ]] || fail "more than one main window is visible"
expect_main_window "$MAIN2"
# The save window keeps the focus, though the new main window appeared after it.
wait_focus "$SAVE1"
expect_no_box
expect_files "$GAME"

replace_text "$SAVE1" "$DIRECTORY_BOX" "$GAME"
click "$SAVE1" "$OK_BUTTON"
FINISHED=$(wait_window "$FINISHED_BOX")
is_visible "$SAVE_TITLE" "$SAVE1" \
  && fail "the save window is still open beside the $FINISHED_BOX box"
expect_same_bytes "$GAME/cstrike/MyScript.cfg" "$E2E_WORK/one.expected"
expect_files "$GAME" cstrike/MyScript.cfg
focus "$FINISHED"
xdotool key Return
wait_gone "$FINISHED_BOX" "$FINISHED"
log "round 1 saved MyScript.cfg"

# ---- Round 2: the name is changed in the new main window after Create Script, before OK.
create_script "$MAIN2" "$MAIN1"
SAVE2=$SAVE MAIN3=$MAIN
expect_main_window "$MAIN3"

focus "$MAIN3"
click "$MAIN3" "$NAME_BOX"
# Backspace is allowed in the name box: eight of them clear "MyScript".
xdotool key End
xdotool key --repeat 8 --delay 5 BackSpace
xdotool type --delay 5 Rush
expect_no_box
# A space is refused, with a box; it must not reach the name.
xdotool key space
answer_box "$INVALID_CHARACTER_BOX"
expect_no_box

save_into "$SAVE2" "$GAME"
wait_gone "$SAVE_TITLE" "$SAVE2"
expect_same_bytes "$GAME/cstrike/Rush.cfg" "$E2E_WORK/two.expected"
expect_same_bytes "$GAME/cstrike/MyScript.cfg" "$E2E_WORK/one.expected"
expect_files "$GAME" cstrike/MyScript.cfg cstrike/Rush.cfg
log "round 2 saved Rush.cfg"

# ---- Exit.
exit_program "$MAIN3"
expect_files "$GAME" cstrike/MyScript.cfg cstrike/Rush.cfg
e2e_pass
