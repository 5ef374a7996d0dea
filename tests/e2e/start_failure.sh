#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up without a usable window system: one plain sentence on standard error and exit status
# 1, never the toolkit's abort. Then, with a display, the window's class is the one the desktop
# entry names, so that desktops match the window to the entry.
source "$(dirname "$0")/lib.sh"

DESKTOP_ENTRY=${2:-}
[[ -r "$DESKTOP_ENTRY" ]] || fail "desktop entry not readable: $DESKTOP_ENTRY"
NO_SERVER=:4093  # a display number no test starts a server on

# Each case: the environment it starts in, and the one line the program must print.
CANNOT='Vezuvazov cannot start:'
CASES=(
  "DISPLAY=|$CANNOT there is no display to open its windows on (DISPLAY is not set)."
  "DISPLAY=$NO_SERVER|$CANNOT the display \"$NO_SERVER\" cannot be opened."
  "QT_QPA_PLATFORM=nosuch|$CANNOT the window system plugin \"nosuch\" cannot be started."
)

check_failure() {  # ENVIRONMENT EXPECTED_LINE
  local out rc=0
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" timeout "$E2E_TIMEOUT" \
    "$APP" 2>&1 </dev/null) || rc=$?
  [[ $rc -eq 1 ]] || fail "with $1 the exit status is $rc, not 1; output: $out"
  [[ "$out" == "$2" ]] || fail "with $1 the program said: $out"
  log "with $1: $out"
}

e2e_begin "$@"
[[ ! -e /tmp/.X11-unix/X${NO_SERVER#:} ]] || fail "display $NO_SERVER unexpectedly has a server"
for case in "${CASES[@]}"; do check_failure "${case%%|*}" "${case#*|}"; done

wm_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")
[[ -n "$wm_class" ]] || fail "the desktop entry names no StartupWMClass"
start_app
MAIN=$(wait_window "$MAIN_TITLE")
actual=$(xprop -id "$MAIN" WM_CLASS)
[[ "$actual" == *"\"$wm_class\""* ]] || fail "window class $actual, desktop entry $wm_class"
log "window class $actual"
e2e_pass
