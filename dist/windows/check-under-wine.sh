#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows the Windows build working under Wine, in its own Xvfb, driven with xdotool as the
# end-to-end tests drive the Linux program:
#   the core tests (.exe) pass;
#   the main window has the design's client size, 482x276, and is kept out of the task bar;
#   "Create Script" then OK with a directory under Wine's C: drive writes
#   <dir>\cstrike\MyScript.cfg, byte-identical to what the Linux program writes for the same
#   selection (and to the expected bytes of the end-to-end tests);
#   OK with a directory without a cstrike folder shows the "Not Saved" box and writes nothing.
# It needs the long Qt build of cross-build.sh, so CI does not run it.
#
# Usage: dist/windows/check-under-wine.sh [WINDOWS_BUILD_DIR [LINUX_PROGRAM]]
#   WINDOWS_BUILD_DIR  cross-build.sh's output (default build-windows/)
#   LINUX_PROGRAM      the Linux program for the comparison (default build/app/vezuvazov)
# Environment: VEZUVAZOV_SHOTS  a folder for screenshots of the windows under Wine (none if unset)
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=${1:-$repo/build-windows}
linux_program=${2:-$repo/build/app/vezuvazov}
exe=$out/vezuvazov-windows/vezuvazov.exe
core_tests=$out/build/tests/script_tests.exe

# shellcheck source=tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"
# shellcheck disable=SC2034  # read by the helpers of lib.sh
E2E_TIMEOUT=60 # Wine's first start makes its prefix: far slower than a Linux program's start.

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
for f in "$exe" "$core_tests" "$linux_program" "$WINE"; do
  [[ -e "$f" ]] || fail "missing: $f (run dist/windows/cross-build.sh and ./build.sh first)"
done
e2e_begin "$linux_program"

# A Wine set-up of its own, stopped with everything it started when the check ends.
export WINEPREFIX="$E2E_WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine_cleanup() {
  local rc=$?
  "$WINESERVER" -k 2>/dev/null
  (exit "$rc")
  e2e_cleanup
}
trap wine_cleanup EXIT

# Client-area points of a window Wine draws its caption on itself (there is no window manager):
# the X window holds the frame too. Prints the X offset and Y offset of the client area.
client_offset() {
  local wid=$1 client_w=$2 client_h=$3 w h border
  read -r w h < <(xwininfo -id "$wid" | awk '/^  Width:/ { w = $NF } /^  Height:/ { h = $NF }
    END { print w, h }')
  border=$(((w - client_w) / 2))
  echo "$border $((h - client_h - border))"
}

# Clicks a client-area point of the save window (client 211x39).
click_save() {
  local dx dy
  read -r dx dy < <(client_offset "$1" 211 39)
  click "$1" $(($2 + dx)) $(($3 + dy))
}

save_to() {
  local save=$1 directory=$2 dx dy
  read -r dx dy < <(client_offset "$save" 211 39)
  replace_text "$save" $((DIRECTORY_BOX[0] + dx)) $((DIRECTORY_BOX[1] + dy)) "$directory"
  click_save "$save" "${OK_BUTTON[@]}"
}

shot() {
  [[ -n "${VEZUVAZOV_SHOTS:-}" ]] || return 0
  mkdir -p "$VEZUVAZOV_SHOTS"
  import -window "$1" "$VEZUVAZOV_SHOTS/$2.png" && log "screenshot $VEZUVAZOV_SHOTS/$2.png"
}

start_wine_app() {
  "$WINE" "$exe" </dev/null >>"$E2E_WORK/app.log" 2>&1 &
  E2E_APP_PID=$!
  log "vezuvazov.exe started under Wine, pid $E2E_APP_PID"
}

# ---- The core tests.
log "core tests under Wine (the first start makes the Wine prefix)"
"$WINE" "$core_tests" >"$E2E_WORK/core.log" 2>&1 || { cat "$E2E_WORK/core.log"; fail "core tests failed"; }
grep -q '^\[  PASSED  \]' "$E2E_WORK/core.log" || fail "core tests printed no PASSED line"
log "core tests: $(grep '^\[  PASSED  \]' "$E2E_WORK/core.log")"

# Windows has the design's fonts; Wine has neither, and unlike fontconfig on Linux it has no
# stand-ins for them. The same stand-ins as on Linux, as Wine font replacements.
for pair in 'Comic Sans MS=Comic Neue' 'Arial=Liberation Sans'; do
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ \
    /d "${pair#*=}" /f >/dev/null 2>&1 || fail "could not register the font stand-in $pair"
done

# ---- The Linux program's file for the start selection.
LINUX_GAME="$E2E_WORK/linux-game"
mkdir -p "$LINUX_GAME/cstrike"
start_app
MAIN=$(wait_window "$MAIN_TITLE")
create_script "$MAIN"
replace_text "$SAVE" "${DIRECTORY_BOX[@]}" "$LINUX_GAME"
click "$SAVE" "${OK_BUTTON[@]}"
answer_box Finished
focus "$MAIN"
click "$MAIN" "${EXIT_BUTTON[@]}"
expect_exit_code 0
expected_one_script >"$E2E_WORK/one.expected"
expect_same_bytes "$LINUX_GAME/cstrike/MyScript.cfg" "$E2E_WORK/one.expected"
log "Linux program saved MyScript.cfg"

# ---- The Windows program under Wine.
WIN_GAME="$WINEPREFIX/drive_c/game"
mkdir -p "$WIN_GAME/cstrike" "$WINEPREFIX/drive_c/nogame"
start_wine_app
MAIN1=$(wait_window "$MAIN_TITLE")
log "main window $MAIN1"
# The main window has no frame: its X window is its client area.
read -r w h < <(xwininfo -id "$MAIN1" | awk '/^  Width:/ { w = $NF } /^  Height:/ { h = $NF }
  END { print w, h }')
[[ "${w}x$h" == 482x276 ]] || fail "main window is ${w}x$h, expected 482x276"
# Wine shows the tool-window style to X as the skip-taskbar state.
xprop -id "$MAIN1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR \
  || fail "main window is in the task bar: $(xprop -id "$MAIN1" _NET_WM_STATE)"
log "main window: client 482x276, not in the task bar"
shot "$MAIN1" main-window
shot root screen-start

click "$MAIN1" "${CREATE_BUTTON[@]}"
SAVE=$(wait_window "$SAVE_TITLE")
MAIN2=$(wait_window "$MAIN_TITLE" "$MAIN1")
log "save window $SAVE, new main window $MAIN2"
shot root screen-save-window

# A directory without cstrike: "Not Saved", nothing written, the save window stays.
save_to "$SAVE" 'C:\nogame'
BOX=$(wait_window 'Not Saved')
shot "$BOX" not-saved-box
is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed on a failed save"
[[ -z "$(find "$WINEPREFIX/drive_c/nogame" -mindepth 1)" ]] || fail "something was written in C:\\nogame"
answer_box 'Not Saved'

# The game directory under C:.
save_to "$SAVE" 'C:\game'
answer_box Finished
expect_files "$WIN_GAME" cstrike/MyScript.cfg
expect_same_bytes "$WIN_GAME/cstrike/MyScript.cfg" "$LINUX_GAME/cstrike/MyScript.cfg"
log "C:\\game\\cstrike\\MyScript.cfg is byte-identical to the Linux program's file"

focus "$MAIN2"
click "$MAIN2" "${EXIT_BUTTON[@]}"
expect_exit_code 0
e2e_pass
