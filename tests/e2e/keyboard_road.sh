#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Under a real window manager (openbox), the road of a player on the keyboard, with no help from
# the test in giving any window the focus:
#   every message box is owned by (transient for) the window that raised it and stands centred
#   over it; once it is closed the keys go where they went before: into the name box after
#   "Invalid Character", into the directory box after "Not Saved", to the main window after
#   "Finished";
#   after "Create Script" the save window is on top and active, its directory box taking the keys.
export E2E_WM=openbox
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# The centre of a window's inner area in screen pixels, doubled to stay a whole number.
centre2() {
  window_geometry "$1"
  echo $((2 * X + WIDTH)) $((2 * Y + HEIGHT))
}

# Checks that the box with this title belongs to the owner window and stands over it, waits until
# it has the keys, and answers it with Return.
answer_owned_box() {
  local title=$1 owner=$2 box bx by ox oy
  box=$(wait_window "$title")
  [[ $(xprop -id "$box" WM_TRANSIENT_FOR) == *"# $(printf '0x%x' "$owner")" ]] \
    || fail "box \"$title\" is not owned by window $owner: $(xprop -id "$box" WM_TRANSIENT_FOR)"
  read -r bx by < <(centre2 "$box")
  read -r ox oy < <(centre2 "$owner")
  (((bx - ox) ** 2 + (by - oy) ** 2 <= 16)) \
    || fail "box \"$title\" stands off its owner's centre by $(((bx - ox) / 2)),$(((by - oy) / 2))"
  wait_focus "$box"
  xdotool key Return
  wait_gone "$title" "$box"
  log "box \"$title\" over its owner answered"
}

start_app
MAIN1=$(wait_window "$MAIN_TITLE")
wait_focus "$MAIN1"
click "$MAIN1" "$NAME_BOX"
xdotool key End space
answer_owned_box "$INVALID_CHARACTER_BOX" "$MAIN1"
# Back in the name box, then Shift+Tab twice to "Create Script".
xdotool type X
xdotool key shift+Tab shift+Tab space
SAVE=$(wait_window "$SAVE_TITLE")
MAIN2=$(wait_window "$MAIN_TITLE" "$MAIN1")
wait_focus "$SAVE"
[[ $(xprop -root _NET_CLIENT_LIST_STACKING) == *"$(printf '0x%x' "$SAVE")" ]] \
  || fail "the save window is not on top: $(xprop -root _NET_CLIENT_LIST_STACKING)"

# The directory box has the keys: a directory without cstrike, then Tab to OK.
xdotool key ctrl+a
xdotool type --delay 5 "$GAME/hl"
xdotool key Tab space
answer_owned_box "$NOT_SAVED_BOX" "$SAVE"
xdotool key End BackSpace BackSpace BackSpace Tab space
answer_owned_box "$FINISHED_BOX" "$MAIN2"
wait_focus "$MAIN2"
grep -q 'echo MyScriptX Activated' "$GAME/cstrike/MyScript.cfg" \
  || fail "MyScript.cfg lacks the typed X"

# From the title picture, Shift+Tab wraps round to "Exit".
xdotool key shift+Tab space
expect_exit_code 0
e2e_pass
