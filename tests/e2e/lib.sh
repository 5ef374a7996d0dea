# SPDX-License-Identifier: MIT
# Shared helpers of the end-to-end tests: sourced by each test script (and by bench/startup.sh, for
# its X server), never run on its own.
#
# Each test starts its own X server (Xvfb, 1280x1024, no window manager), starts the real program
# in it and drives it with xdotool as a player would: clicks on its controls, found where the program
# tells screen readers they are (AT-SPI, on a session bus of the test's own), and typed keys.
# With E2E_WM=openbox the server gets a real window manager, as on a desktop: it frames, places and
# stacks the windows and decides where the focus goes. With E2E_WM=weston a headless Weston takes
# the X server's place, and the program runs on Wayland.
# Everything started here is stopped by its process id when the test ends, however it ends.

# shellcheck disable=SC2034  # names set here are used by the test scripts that source this file

set -euo pipefail

E2E_TIMEOUT=10        # seconds to wait for any window, box or exit before failing
E2E_POLL=0.02         # seconds between two looks

E2E_NAME=$(basename "$0" .sh)
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_ARGS=("$@")       # the test's own arguments, for its run again on a session bus
E2E_START=$(date +%s%N)
E2E_WORK=""
E2E_XVFB_PID=""
E2E_WM_PID=""
E2E_APP_PID=""
E2E_WATCHDOG_PID=""
E2E_OTHER_PIDS=()     # whatever else a test starts that must stop with it
E2E_FAILED=1

# Window titles.
MAIN_TITLE='Vezuvazov v1.0'
SAVE_TITLE='Cstrike Direcotry'

# The controls the tests use, by the names screen readers know them by.
NAME_BOX='Your Script Name'
CREATE_BUTTON='Create Script'
EXIT_BUTTON=Exit
ADVERTISE_BOX='Advertise Text'
DIRECTORY_BOX='Your Half-Life Directory'
OK_BUTTON=OK

log() { printf '[%s %6.2fs] %s\n' "$E2E_NAME" "$(elapsed)" "$*"; }

elapsed() {
  local now
  now=$(date +%s%N)
  awk -v a="$E2E_START" -v b="$now" 'BEGIN { printf "%.2f", (b - a) / 1e9 }'
}

fail() {
  printf '[%s] FAIL: %s\n' "$E2E_NAME" "$*" >&2
  exit 1
}

e2e_cleanup() {
  local rc=$?
  trap - EXIT INT TERM HUP
  set +e
  if [[ -n "$E2E_APP_PID" ]] && kill -0 "$E2E_APP_PID" 2>/dev/null; then
    kill "$E2E_APP_PID" 2>/dev/null
    wait "$E2E_APP_PID" 2>/dev/null
  fi
  local pid
  for pid in "${E2E_OTHER_PIDS[@]}" "$E2E_WM_PID" "$E2E_XVFB_PID" "$E2E_WATCHDOG_PID"; do
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  if [[ $rc -ne 0 || $E2E_FAILED -ne 0 ]]; then
    [[ $rc -eq 0 ]] && rc=1
    if [[ -n "$E2E_WORK" && -s "$E2E_WORK/app.log" ]]; then
      echo "---- program output ----" >&2
      cat "$E2E_WORK/app.log" >&2
    fi
    if [[ -n "$E2E_WORK" && -s "$E2E_WORK/server.log" ]]; then
      echo "---- display server output ----" >&2
      cat "$E2E_WORK/server.log" >&2
    fi
  fi
  [[ -n "$E2E_WORK" ]] && rm -rf "$E2E_WORK"
  exit "$rc"
}

# Checks the tools and the program, makes the work directory and starts the X server.
# Missing tools fail the test: the CI machine installs them.
e2e_begin() {
  [[ $# -ge 1 ]] || fail "usage: $0 PATH_TO_PROGRAM"
  APP=$1
  [[ -x "$APP" ]] || fail "program not found or not executable: $APP"
  local tool
  if [[ "${E2E_WM:-}" != weston ]]; then
    for tool in Xvfb xdotool xprop xwininfo xclip timeout; do
      command -v "$tool" >/dev/null || fail "$tool is not installed (apt-get install xvfb xdotool x11-utils xclip)"
    done
  fi
  in_session_bus
  trap e2e_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  trap 'exit 129' HUP
  E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/vz-e2e.XXXXXX")
  mkdir -m 700 "$E2E_WORK/runtime"
  GAME=$E2E_WORK/game  # a game directory to save into
  mkdir -p "$GAME/cstrike"
  case "${E2E_WM:-}" in
    weston) start_weston ;;
    openbox) start_xvfb && start_openbox ;;
    *) start_xvfb ;;
  esac
  # Should this shell be killed outright (e.g. by a test time-out), stop what it started.
  (
    while kill -0 $$ 2>/dev/null; do sleep 1; done
    # The program loses its display with the server and ends too.
    kill "$E2E_XVFB_PID" 2>/dev/null
    rm -rf "$E2E_WORK"
  ) </dev/null >/dev/null 2>&1 &
  E2E_WATCHDOG_PID=$!
}

e2e_pass() {
  E2E_FAILED=0
  log "PASS"
}

# Starts Xvfb on the first free display from :90 to :120, with any further options given;
# -displayfd tells when it is ready. -noreset: without it the server resets whenever its last
# client leaves, and each start pays it.
# shellcheck disable=SC2120  # the e2e tests pass no options; bench/startup.sh does
start_xvfb() {
  local n fdfile deadline
  for n in $(seq 90 120); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    fdfile="$E2E_WORK/displayfd.$n"
    : >"$fdfile"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset "$@" -displayfd 3 \
      3>"$fdfile" </dev/null >"$E2E_WORK/server.log" 2>&1 &
    E2E_XVFB_PID=$!
    deadline=$((SECONDS + E2E_TIMEOUT))
    while [[ ! -s "$fdfile" ]] && kill -0 "$E2E_XVFB_PID" 2>/dev/null && ((SECONDS < deadline)); do
      sleep "$E2E_POLL"
    done
    if [[ -s "$fdfile" ]] && kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      log "Xvfb ready on $DISPLAY"
      return 0
    fi
    # Display taken meanwhile (or a server that never came up): try the next number.
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
    E2E_XVFB_PID=""
  done
  fail "no free X display from :90 to :120"
}

# Runs a command until it succeeds; the test fails with the message if it has not within
# E2E_TIMEOUT seconds.
wait_until() {
  local message=$1 deadline=$((SECONDS + E2E_TIMEOUT))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || fail "$message within ${E2E_TIMEOUT}s"
    sleep "$E2E_POLL"
  done
}

not() { ! "$@"; }

# Whether a window manager manages the screen: it names its check window on the root.
window_manager_checks() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts openbox and waits until it manages the screen.
start_openbox() {
  command -v openbox >/dev/null || fail "openbox is not installed (apt-get install openbox)"
  openbox --sm-disable </dev/null >"$E2E_WORK/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  wait_until "openbox did not start" window_manager_checks
  log "openbox manages $DISPLAY"
}

# Starts a headless Weston, Wayland's reference compositor, in place of the X server. Its debug
# protocol lets a test read how it stacks the windows (weston-debug scene-graph).
start_weston() {
  command -v weston >/dev/null || fail "weston is not installed (apt-get install weston)"
  export XDG_RUNTIME_DIR="$E2E_WORK/runtime" WAYLAND_DISPLAY=vz-e2e
  unset DISPLAY
  weston --backend=headless-backend.so --use-pixman --idle-time=0 --debug \
    --socket="$WAYLAND_DISPLAY" </dev/null >"$E2E_WORK/server.log" 2>&1 &
  E2E_XVFB_PID=$!
  local deadline=$((SECONDS + E2E_TIMEOUT))
  until [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]]; do
    if ((SECONDS >= deadline)) || ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
      fail "Weston did not start"
    fi
    sleep "$E2E_POLL"
  done
  log "Weston ready on $WAYLAND_DISPLAY"
}

# Runs the test again inside a session bus of its own, where the program's accessibility bridge
# and the test's AT-SPI client meet; the bus starts the AT-SPI bus and registry when first asked,
# with a runtime folder of this test's own for the AT-SPI bus's socket (the home folder's would be
# shared with the tests that run beside it).
in_session_bus() {
  [[ -n "${E2E_SESSION_BUS:-}" ]] && return 0
  command -v dbus-run-session >/dev/null || fail "dbus-run-session is not installed (apt-get install dbus-daemon)"
  local runtime rc=0
  runtime=$(mktemp -d "${TMPDIR:-/tmp}/vz-e2e-bus.XXXXXX")
  E2E_SESSION_BUS=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- bash "$0" "${E2E_ARGS[@]}" || rc=$?
  rm -rf "$runtime"
  exit "$rc"
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
  # Under a session bus of the test's own, the bridge serves screen readers from the start.
  [[ -n "${E2E_SESSION_BUS:-}" ]] && export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI
  (
    [[ -z "${E2E_FILE_SIZE_KIB:-}" ]] || ulimit -f "$E2E_FILE_SIZE_KIB"
    # LeakSanitizer cannot look into a traced program; the other tests look for leaks.
    [[ -z "${E2E_STRACE:-}" ]] || export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
    # shellcheck disable=SC2086  # the options are words of their own
    exec ${E2E_STRACE:+strace -o "$E2E_WORK/trace" $E2E_STRACE} "$APP"
  ) </dev/null >>"$E2E_WORK/app.log" 2>&1 &
  E2E_APP_PID=$!
  log "program started, pid $E2E_APP_PID"
}

# Prints the ids of the visible windows with exactly this title, one a line. xdotool matches
# names as case-blind regular expressions; each candidate's name is then compared exactly.
visible_windows() {
  local title=$1 pattern wid
  # shellcheck disable=SC2016  # a sed script, not a shell expansion
  pattern=$(printf '%s' "$title" | sed 's/[][\.*^$(){}+?|]/\\&/g')
  for wid in $(xdotool search --onlyvisible --name "^${pattern}\$" 2>/dev/null || true); do
    [[ "$(xdotool getwindowname "$wid" 2>/dev/null || true)" == "$title" ]] && echo "$wid"
  done
  return 0
}

is_visible() {
  local title=$1 wid=$2
  visible_windows "$title" | grep -qx "$wid"
}

# Waits until one of the titles has a visible window; prints the first such title.
wait_any_title() {
  local deadline=$((SECONDS + E2E_TIMEOUT)) title
  while ((SECONDS < deadline)); do
    for title in "$@"; do
      if [[ -n "$(visible_windows "$title")" ]]; then
        echo "$title"
        return 0
      fi
    done
    app_alive || fail "the program ended while waiting for one of: $*"
    sleep "$E2E_POLL"
  done
  fail "none of these windows appeared within ${E2E_TIMEOUT}s: $*"
}

# Waits for a visible window with this title whose id is none of the given old ids; prints its id.
wait_window() {
  local title=$1
  shift
  local deadline=$((SECONDS + E2E_TIMEOUT)) wid old found
  while ((SECONDS < deadline)); do
    for wid in $(visible_windows "$title"); do
      found=$wid
      for old in "$@"; do [[ "$wid" == "$old" ]] && found=""; done
      if [[ -n "$found" ]]; then
        echo "$found"
        return 0
      fi
    done
    app_alive || fail "the program ended while waiting for \"$title\""
    sleep "$E2E_POLL"
  done
  fail "no window \"$title\" appeared within ${E2E_TIMEOUT}s"
}

# Waits until the window with this id is no longer visible.
wait_gone() {
  wait_until "window \"$1\" ($2) did not close" not is_visible "$1" "$2"
}

# Read without a process of its own: the monkey asks after every event.
app_alive() {
  local stat=""
  [[ -n "$E2E_APP_PID" ]] && read -r stat 2>/dev/null <"/proc/$E2E_APP_PID/stat" || return 1
  stat=${stat##*) }  # the state follows the command name, which may hold anything
  [[ "${stat%% *}" != Z ]]
}

# Waits for the program to end; false if it still runs after the time-out.
wait_app_end() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  while app_alive; do
    ((SECONDS < deadline)) || return 1
    sleep "$E2E_POLL"
  done
}

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
wait_focus() {
  wait_until "window $1 did not get the focus" has_focus "$1"
}

has_focus() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

# Gives the keyboard focus to a window; there is no window manager to do it.
focus() {
  timeout "$E2E_TIMEOUT" xdotool windowfocus --sync "$1" || fail "could not give the focus to window $1"
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

# Where the control of this name lies in the window $1, as the program tells screen readers: sets
# AT_X and AT_Y to its middle and AT_RECT to X,Y,WIDTH,HEIGHT, in the window's pixels; false if the
# window has no such control, or is gone. A window of a title is laid out alike every time: its
# controls are asked for once.
declare -A E2E_CONTROLS=()
locate() {
  local wid=$1 name=$2 title line x y w h
  title=$(xdotool getwindowname "$wid") || return 1
  if [[ -z "${E2E_CONTROLS["$title/$name"]:-}" ]]; then
    while IFS= read -r line; do
      E2E_CONTROLS["$title/${line%=*}"]=${line##*=}
    done < <(/usr/bin/python3 "$E2E_DIR/atspi.py" "$title")
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

# Replaces the whole text of a line box that takes Ctrl+A (the directory box), named $2.
replace_text() {
  local wid=$1 name=$2 text=$3
  focus "$wid"
  click "$wid" "$name"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 -- "$text"
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

# Fails unless no message box (of the titles the program uses) is open.
expect_no_box() {
  local title
  for title in Finished 'Not Saved' 'Invalid Character' 'Invalid Information' 'Invalid Script Name'; do
    [[ -z "$(visible_windows "$title")" ]] || fail "unexpected box \"$title\" is open"
  done
}

# Checks a window's position and size on the screen, as the X server has them.
expect_geometry() {
  local wid=$1 want=$2 got
  got=$(xwininfo -id "$wid" | awk '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /^  Width:/ { w = $NF } /^  Height:/ { h = $NF }
    END { printf "%sx%s+%s+%s", w, h, x, y }')
  [[ "$got" == "$want" ]] || fail "window $wid has geometry $got, expected $want"
}

# Fails unless the file holds exactly the bytes of the expected file.
expect_same_bytes() {
  local actual=$1 expected=$2
  [[ -f "$actual" ]] || fail "file not written: $actual"
  if ! cmp "$expected" "$actual"; then
    echo "---- expected ----" >&2
    od -c "$expected" | head -60 >&2
    echo "---- written ----" >&2
    od -c "$actual" | head -60 >&2
    fail "$actual differs from the expected bytes"
  fi
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

# The file saved after $1 "Create Script"s with every start value, in one session: the start
# script as tests/ExpectedScripts.h writes it out (its C++ literals and + read as Python reads
# them), once for each, and CR LF CR LF after the last bind line.
expected_scripts() {
  /usr/bin/python3 -c '
import re, sys
names = {}
for name, value in re.findall(r"inline const std::string (\w+) =(.*?);\n", open(sys.argv[1]).read(), re.S):
    names[name] = eval(f"({value})", {}, names)
sys.stdout.buffer.write((names["StartScript"] * int(sys.argv[2]) + "\r\n\r\n").encode())
' "$E2E_DIR/../ExpectedScripts.h" "$1"
}
