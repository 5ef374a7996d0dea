# SPDX-License-Identifier: MIT
# The end-to-end tests' session and helpers: sourced by each test script of tests/e2e and by
# tests/windows/check-under-wine.sh, never run on its own.
#
# A test runs on a session bus of its own (CTest starts it under dbus-run-session), starts its own
# X server (Xvfb, no window manager), starts the real program in it and drives it with xdotool as
# a player would: clicks on its controls, found where the program tells screen readers they are
# (AT-SPI, through atspi.py), and typed keys. With E2E_WM=openbox the server gets a real window
# manager, as on a desktop: it frames, places and stacks the windows and decides where the focus
# goes. With E2E_WM=weston a headless Weston takes the X server's place, and the program runs on
# Wayland. The titles and names the tests look for, and the scripts they expect, are printed by
# program_facts (ProgramFacts.cpp, named by E2E_FACTS) from the program's own code.
# What a test starts is stopped when it ends; CTest's time-out ends a test with all it started.

# shellcheck shell=bash disable=SC2034  # names set here are used by the scripts that source it

set -euo pipefail

E2E_TIMEOUT=10        # seconds to wait for any window, box or exit before failing
E2E_POLL=0.02         # seconds between two looks

E2E_NAME=$(basename "$0" .sh)
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_START=${EPOCHREALTIME/[.,]/}  # in microseconds
E2E_WORK=""
E2E_SERVER_PID=""     # Xvfb's or Weston's
E2E_WM_PID=""
E2E_APP_PID=""
E2E_OTHER_PIDS=()     # whatever else a test starts that must stop with it
E2E_TOOLS=()          # the commands a test needs besides the harness's own
E2E_FAILED=1

log() {
  local us=$((${EPOCHREALTIME/[.,]/} - E2E_START))
  printf '[%s %3d.%02ds] %s\n' "$E2E_NAME" $((us / 1000000)) $((us / 10000 % 100)) "$*"
}

fail() {
  printf '[%s] FAIL: %s\n' "$E2E_NAME" "$*" >&2
  exit 1
}

e2e_cleanup() {
  local rc=$?
  trap - EXIT INT TERM HUP
  set +e
  local pid
  for pid in "$E2E_APP_PID" "${E2E_OTHER_PIDS[@]}" "$E2E_WM_PID" "$E2E_SERVER_PID"; do
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  if [[ $rc -ne 0 || $E2E_FAILED -ne 0 ]]; then
    [[ $rc -eq 0 ]] && rc=1
    # The program's output and the display server's.
    [[ -z "$E2E_WORK" ]] || (cd "$E2E_WORK" && tail -n +1 app.log server.log 2>/dev/null) >&2
  fi
  [[ -n "$E2E_WORK" ]] && rm -rf "$E2E_WORK"
  exit "$rc"
}

# Checks the program, the tools (naming every one missing) and the session bus, reads the
# program's facts, makes the work directory and starts the display server.
e2e_begin() {
  [[ $# -ge 1 ]] || fail "usage: dbus-run-session -- $0 PATH_TO_PROGRAM"
  APP=$1
  [[ -x "$APP" ]] || fail "program not found or not executable: $APP"
  local tool missing=() tools=(timeout dbus-update-activation-environment Xvfb xdotool xprop xwininfo
    xclip)
  [[ "${E2E_WM:-}" != weston ]] || tools=(timeout dbus-update-activation-environment weston-debug)
  for tool in "${tools[@]}" ${E2E_WM:+"$E2E_WM"} "${E2E_TOOLS[@]}"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) || fail "not installed: ${missing[*]} (./build.sh test installs them)"
  [[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]] || fail "no session bus: run it under dbus-run-session"
  trap e2e_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  trap 'exit 129' HUP
  E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/vz-e2e.XXXXXX")
  export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  read_program_facts
  GAME=$E2E_WORK/game  # a game directory to save into
  mkdir -p "$GAME/cstrike"
  case "${E2E_WM:-}" in
    weston) start_weston ;;
    openbox) start_xvfb && start_openbox ;;
    *) start_xvfb ;;
  esac
  # The session bus starts the AT-SPI bus when first asked for it: on this display, with its socket
  # in this test's runtime folder (the home folder's would be shared with the tests beside it).
  dbus-update-activation-environment XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
    ${DISPLAY:+DISPLAY="$DISPLAY"}
}

e2e_pass() {
  E2E_FAILED=0
  log "PASS"
}

# Sets the names program_facts prints to what the program shows (MAIN_TITLE, NAME_BOX, ...); sets
# BOX_TITLES to the title of every box it shows.
read_program_facts() {
  local facts key value
  facts=$("${E2E_FACTS:-}" 2>"$E2E_WORK/facts.log") \
    || fail "program_facts (E2E_FACTS=${E2E_FACTS:-}) did not run: $(cat "$E2E_WORK/facts.log")"
  BOX_TITLES=()
  while IFS='=' read -r key value; do
    if [[ $key == BOX_TITLES ]]; then
      BOX_TITLES+=("$value")
    else
      printf -v "$key" '%s' "$value"
    fi
  done <<<"$facts"
}

# The file saved after $1 "Create Script"s with every start value, in one session.
expected_scripts() { "$E2E_FACTS" script "$1"; }

# Starts Xvfb on a free display, which it picks and names through -displayfd once it is ready.
# -noreset: without it the server resets whenever its last client leaves, and each start pays it.
start_xvfb() {
  local n
  mkfifo "$E2E_WORK/displayfd"
  Xvfb -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 3>"$E2E_WORK/displayfd" \
    </dev/null >"$E2E_WORK/server.log" 2>&1 &
  E2E_SERVER_PID=$!
  read -r -t "$E2E_TIMEOUT" n <"$E2E_WORK/displayfd" || fail "Xvfb did not start"
  export DISPLAY=":$n"
  log "Xvfb ready on $DISPLAY"
}

# Runs a command until it succeeds; the test fails with the message if it has not within
# E2E_TIMEOUT seconds (with no message, this is false instead). Every wait the tests need.
wait_until() {
  local message=$1 deadline=$((SECONDS + E2E_TIMEOUT))
  shift
  until "$@"; do
    if ((SECONDS >= deadline)); then
      [[ -n "$message" ]] || return 1
      fail "$message within ${E2E_TIMEOUT}s"
    fi
    sleep "$E2E_POLL"
  done
}

not() { ! "$@"; }

# Whether a window manager manages the screen: it names its check window on the root.
window_manager_checks() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_openbox() {
  openbox --sm-disable </dev/null >"$E2E_WORK/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  wait_until "openbox did not start" window_manager_checks
  log "openbox manages $DISPLAY"
}

# Starts a headless Weston, Wayland's reference compositor, in place of the X server. Its debug
# protocol lets a test read how it stacks the windows (weston-debug scene-graph).
start_weston() {
  export WAYLAND_DISPLAY=vz-e2e
  unset DISPLAY
  weston --backend=headless-backend.so --use-pixman --idle-time=0 --debug \
    --socket="$WAYLAND_DISPLAY" </dev/null >"$E2E_WORK/server.log" 2>&1 &
  E2E_SERVER_PID=$!
  wait_until "Weston did not start" test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"
  log "Weston ready on $WAYLAND_DISPLAY"
}

# Starts the program in this shell (so that `wait` can collect its exit code). With
# E2E_FILE_SIZE_KIB set, the program runs under that file-size limit (ulimit -f), and only it. With
# E2E_STRACE set to strace's options, it runs under strace, which writes to $E2E_WORK/trace.
start_app() {
  export QT_QPA_PLATFORM=xcb
  if [[ "${E2E_WM:-}" == weston ]]; then
    QT_QPA_PLATFORM=wayland
    # The program draws in shared memory. Qt would still load its EGL buffer integration, whose
    # Mesa driver, finding no GPU under the headless Weston, is unloaded again and leaves a block
    # that LeakSanitizer can no longer name; no integration of that name exists.
    export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
  fi
  # On the test's own session bus, the bridge serves screen readers from the start.
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI
  (
    [[ -z "${E2E_FILE_SIZE_KIB:-}" ]] || ulimit -f "$E2E_FILE_SIZE_KIB"
    # LeakSanitizer cannot look into a traced program; the other tests look for leaks.
    [[ -z "${E2E_STRACE:-}" ]] \
      || export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
    # shellcheck disable=SC2086  # the options are words of their own
    exec ${E2E_STRACE:+strace -o "$E2E_WORK/trace" $E2E_STRACE} "$APP"
  ) </dev/null >>"$E2E_WORK/app.log" 2>&1 &
  E2E_APP_PID=$!
  log "program started, pid $E2E_APP_PID"
}

# Prints the ids of the visible windows whose title is exactly one of these, one a line. xdotool
# matches names as case-blind regular expressions; each window found is then compared exactly.
visible_windows() {
  local pattern wid name title
  # shellcheck disable=SC2016  # a sed script, not a shell expansion
  pattern=$(printf '%s\n' "$@" | sed 's/[][\.*^$(){}+?|]/\\&/g' | paste -sd '|')
  for wid in $(xdotool search --onlyvisible --name "^($pattern)\$" 2>/dev/null); do
    name=$(xdotool getwindowname "$wid" 2>/dev/null) || continue
    for title; do [[ "$name" != "$title" ]] || echo "$wid"; done
  done
}

# Whether the window with the title $1 and the id $2 is visible.
is_visible() { visible_windows "$1" | grep -qx "$2"; }

# Prints the id of a visible window with one of the titles that follow $1, whose id is none of the
# old ids in $1 (a space between two); false if there is none.
new_window() {
  local old=" $1 " wid
  shift
  app_alive || fail "the program ended while waiting for a window: $*"
  for wid in $(visible_windows "$@"); do
    [[ "$old" == *" $wid "* ]] || { echo "$wid"; return 0; }
  done
  return 1
}

# Waits for a visible window with the title $1 whose id is none of the old ids that follow; prints
# its id. (xdotool search --sync would wait too, but looks only every half second.)
wait_window() { wait_until "no window \"$1\" appeared" new_window "${*:2}" "$1"; }

# Waits until one of the titles has a visible window; prints that title.
wait_any_title() {
  local wid
  wid=$(wait_until "none of these windows appeared: $*" new_window "" "$@")
  xdotool getwindowname "$wid"
}

# Waits until the window with the title $1 and the id $2 is no longer visible.
wait_gone() { wait_until "window \"$1\" ($2) did not close" not is_visible "$1" "$2"; }

# Read without a process of its own: the monkey asks after every event.
app_alive() {
  local stat=""
  [[ -n "$E2E_APP_PID" ]] && read -r stat 2>/dev/null <"/proc/$E2E_APP_PID/stat" || return 1
  stat=${stat##*) }  # the state follows the command name, which may hold anything
  [[ "${stat%% *}" != Z ]]
}

# Waits for the program to end; false if it still runs after the time-out.
wait_app_end() { wait_until "" not app_alive; }

# Waits for the program to end and checks its exit code.
expect_exit_code() {
  local expected=$1 rc=0
  wait_app_end || fail "the program is still running ${E2E_TIMEOUT}s after it should have ended"
  wait "$E2E_APP_PID" || rc=$?
  E2E_APP_PID=""
  [[ $rc -eq $expected ]] || fail "the program ended with exit code $rc, expected $expected"
  log "program ended with exit code $rc"
}

# Clicks "Create Script" in the main window $1 and waits for the save window and for the new main
# window that replaces $1 (ids in $2... are old main windows too). Sets SAVE and MAIN to their ids.
create_script() {
  local old=$1
  click "$old" "$CREATE_BUTTON"
  SAVE=$(wait_window "$SAVE_TITLE")
  MAIN=$(wait_window "$MAIN_TITLE" "$@")
  wait_gone "$MAIN_TITLE" "$old"
  log "save window $SAVE, new main window $MAIN"
}

# Starts the program and clicks "Create Script" in its first main window, MAIN1: sets SAVE to the
# save window and MAIN2 to the main window that replaced MAIN1.
start_and_create() {
  start_app
  MAIN1=$(wait_window "$MAIN_TITLE")
  create_script "$MAIN1"
  MAIN2=$MAIN
}

# Waits until the keyboard focus is on the window with this id.
wait_focus() { wait_until "window $1 did not get the focus" has_focus "$1"; }

has_focus() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

# Gives the keyboard focus to a window, as a click on it would; without a window manager nothing
# else does.
focus() {
  timeout "$E2E_TIMEOUT" xdotool windowfocus --sync "$1" \
    || fail "could not give the focus to window $1"
}

# What the X clipboard and the primary selection hold. Each owner is an xclip that stays until it
# is killed or another client takes the selection over; a killed owner leaves the selection with
# no owner at all, as a program that copied and then quit does. Sets OWNER to its process id.
clipboard_owner() {
  local selection=$1 target=$2 source=$3
  xclip -quiet -selection "$selection" -t "$target" -i "$source" </dev/null >/dev/null 2>&1 &
  OWNER=$!
  wait_until "xclip did not take the $selection selection" offers "$selection" "$target"
}

offers() { xclip -o -selection "$1" -t TARGETS 2>/dev/null | grep -qx "$2"; }

# Leaves the clipboard and the primary selection with no owner.
selections_without_owner() {
  local selection
  printf 'gone' >"$E2E_WORK/gone.txt"
  for selection in clipboard primary; do
    clipboard_owner "$selection" UTF8_STRING "$E2E_WORK/gone.txt"
    kill "$OWNER"
    wait "$OWNER" 2>/dev/null || true
  done
}

# Has both selections offered as a PNG picture only, by owners that stay until another takes over.
selections_picture_only() {
  local selection
  printf '\x89PNG\r\n\x1a\n' >"$E2E_WORK/picture.png"
  for selection in clipboard primary; do
    clipboard_owner "$selection" image/png "$E2E_WORK/picture.png"
  done
}

# The shown window of this title as AT-SPI has it (atspi.py tells more); false while there is none.
atspi() { /usr/bin/python3 -B "$E2E_DIR/atspi.py" "$@"; }

# Where the control of this name lies in the window $1, as the program tells screen readers: sets
# AT_X and AT_Y to its middle and AT_RECT to X,Y,WIDTH,HEIGHT, in the window's pixels; false if the
# window has no such control, or is gone. A window of a title is laid out alike every time: its
# controls are asked for once, and kept with their roles (E2E_ROLES).
declare -A E2E_CONTROLS=() E2E_ROLES=()
locate() {
  local wid=$1 name=$2 title line key x y w h
  title=$(xdotool getwindowname "$wid") || return 1
  if [[ -z "${E2E_CONTROLS["$title/$title"]:-}" ]]; then
    while IFS= read -r line; do
      key=$title/${line#* }
      E2E_CONTROLS["${key%=*}"]=${line##*=}
      E2E_ROLES["${key%=*}"]=${line%% *}
    done < <(wait_until "AT-SPI shows no window \"$title\"" atspi "$title")
  fi
  AT_RECT=${E2E_CONTROLS["$title/$name"]:-}
  [[ -n "$AT_RECT" ]] || return 1
  IFS=, read -r x y w h <<<"$AT_RECT"
  AT_X=$((x + w / 2)) AT_Y=$((y + h / 2))
}

# Clicks the middle of the control of this name in the window $1; further arguments are those of
# xdotool's click (button 1 if none).
click() {
  local wid=$1 name=$2
  shift 2
  locate "$wid" "$name" || fail "window $wid has no control \"$name\""
  xdotool mousemove --window "$wid" "$AT_X" "$AT_Y" click "${@:-1}"
}

# Replaces the whole text of a line box that takes Ctrl+A (the directory box), named $2, in the
# window $1; $4 is the function that clicks it (click if none).
replace_text() {
  local wid=$1 name=$2 text=$3
  focus "$wid"
  "${4:-click}" "$wid" "$name"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 -- "$text"
}

# Saves from the save window $1 into the directory $2: "Finished" shows, and is answered.
save_into() {
  replace_text "$1" "$DIRECTORY_BOX" "$2"
  click "$1" "$OK_BUTTON"
  answer_box "$FINISHED_BOX"
}

# Presses OK in the save window $1 and answers the box that follows, which must be the box titled
# $2 ("Finished" or "Not Saved"); fails with the message $3 if it is the other one.
save_gives() {
  local answer
  focus "$1"
  click "$1" "$OK_BUTTON"
  answer=$(wait_any_title "$FINISHED_BOX" "$NOT_SAVED_BOX")
  [[ "$answer" == "$2" ]] || fail "$3"
  answer_box "$2"
}

# Presses "Exit" in the main window $1: the program ends with exit code 0.
exit_program() {
  focus "$1"
  click "$1" "$EXIT_BUTTON"
  expect_exit_code 0
}

# Presses Return in a message box with this title and waits for it to close.
answer_box() {
  local title=$1 box
  box=$(wait_window "$title")
  focus "$box"
  xdotool key Return
  wait_gone "$title" "$box"
  log "box \"$title\" answered"
}

# Fails if any message box of the program is open.
expect_no_box() {
  local open
  open=$(visible_windows "${BOX_TITLES[@]}")
  [[ -z "$open" ]] || fail "unexpected box \"$(xdotool getwindowname "${open%%$'\n'*}")\" is open"
}

# Sets X, Y, WIDTH and HEIGHT to a window's place on the screen and its size, as the X server has
# them. (xdotool getwindowgeometry counts the place of a window in its frame twice.)
window_geometry() {
  read -r X Y WIDTH HEIGHT < <(xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $NF }
    /Absolute upper-left Y:/ { y = $NF } /^  Width:/ { w = $NF } /^  Height:/ { h = $NF }
    END { print x, y, w, h }')
}

# Fails unless the file $1 holds exactly the bytes of the expected file $2.
expect_same_bytes() {
  [[ -f "$1" ]] || fail "file not written: $1"
  cmp "$2" "$1" && return
  diff <(od -c "$2") <(od -c "$1") | head -60 >&2 || true
  fail "$1 differs from the expected bytes (the lines of od -c that differ, expected first)"
}

# Fails unless the directory holds exactly the listed files (paths relative to it), nothing more.
expect_files() {
  local dir=$1
  shift
  local want got
  want=$(printf '%s\n' "$@" | sed '/^$/d' | sort)
  got=$(cd "$dir" && find . -type f | sed 's|^\./||' | sort)
  [[ "$got" == "$want" ]] || fail "files in $dir: [${got//$'\n'/, }], expected [${want//$'\n'/, }]"
}
