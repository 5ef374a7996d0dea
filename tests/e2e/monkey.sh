#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A monkey at the real program: random clicks into its visible windows, random keys and middle
# clicks, while the clipboard and the selection change between no owner, text and a picture only;
# now and then the save window's directory box gets the sandbox's game folder, so that saves
# happen too. The program runs with HOME, its working folder and its temporary folder in a
# throw-away sandbox, and is started again whenever it ends.
#
# It fails on any end with an exit status other than 0, any sanitizer report in the program's
# output, and any file the program writes outside the sandbox (every write of its processes is
# watched with fanotify, through fatrace, which needs root).
#
# The same seed sends the same events; their effect may still differ with timing.
# Usage: monkey.sh PATH_TO_PROGRAM [SEED [EVENTS [SECONDS]]]     (defaults: 1, 4000, 90)
source "$(dirname "$0")/lib.sh"

SEED=${2:-1}
EVENTS=${3:-4000}
LIMIT=${4:-90}

# The keys a player's hand may press: name characters and others, editing and moving keys, the
# clipboard's shortcuts, and keys that mean something to windows.
KEYS=(a b x z A Q 0 5 9 period minus space slash backslash semicolon apostrophe underscore exclam
  Return Escape Tab ISO_Left_Tab Left Right Up Down Home End Delete BackSpace
  ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z shift+Insert F1 alt+F4)
BOX_TITLES=(Finished 'Not Saved' 'Invalid Character' 'Invalid Information' 'Invalid Script Name')

e2e_begin "$1"
APP=$(realpath "$APP")
for tool in fatrace realpath; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (apt-get install fatrace coreutils)"
done
RANDOM=$SEED
log "seed $SEED, at most $EVENTS events or ${LIMIT}s; replay: $0 $APP $SEED $EVENTS $LIMIT"

# The test's work folder is the sandbox: the program's home, working and temporary folders, its
# output and its game folder are in it.
SANDBOX=$E2E_WORK
GAME=$SANDBOX/game
mkdir -p "$SANDBOX/home" "$SANDBOX/work" "$SANDBOX/tmp" "$GAME/cstrike"
EVENT_LOG=$E2E_WORK/events.log
WRITES=$E2E_WORK/writes.log
PIDS=()

monkey_fail() {
  echo "---- last events (seed $SEED) ----" >&2
  tail -n 15 "$EVENT_LOG" >&2
  if app_alive; then
    echo "---- the program's visible windows ----" >&2
    visible_program_windows | while read -r wid x y w h; do
      echo "$wid \"$(xdotool getwindowname "$wid" 2>/dev/null)\" ${w}x${h}+$x+$y" >&2
    done
  fi
  fail "$@"
}

# Every write of every process named like the program, from now on.
watch_writes() {
  local root=()
  [[ $(id -u) -eq 0 ]] || root=(sudo -n)
  "${root[@]}" fatrace --filter=W --command="$(basename "$APP" | cut -c1-15)" -o "$WRITES" \
    </dev/null >"$E2E_WORK/fatrace.log" 2>&1 &
  local watcher=$! deadline=$((SECONDS + E2E_TIMEOUT))
  # fatrace opens its output once its marks are set.
  until [[ -e "$WRITES" ]]; do
    kill -0 "$watcher" 2>/dev/null || fail "fatrace could not watch: $(cat "$E2E_WORK/fatrace.log")"
    ((SECONDS < deadline)) || fail "fatrace did not start"
    sleep "$E2E_POLL"
  done
  WATCHER=$watcher
  E2E_OTHER_PIDS+=("$watcher")
}

start_in_sandbox() {
  cd "$SANDBOX/work"
  HOME=$SANDBOX/home TMPDIR=$SANDBOX/tmp start_app >/dev/null
  cd - >/dev/null
  PIDS+=("$E2E_APP_PID")
  wait_window "$MAIN_TITLE" >/dev/null
}

# The program has ended: its status must be 0. It is started again.
restart() {
  local rc=0
  wait "$E2E_APP_PID" || rc=$?
  ((rc == 0)) || monkey_fail "the program ended with exit code $rc"
  E2E_APP_PID=""
  RUNS=$((RUNS + 1))
  start_in_sandbox
}

# Every random number is drawn here, in the monkey's own shell: a subshell would draw the same
# numbers again and again.
pick() { PICKED=$((RANDOM % $1)); }

# The program's visible windows, one "id x y width height" a line.
visible_program_windows() {
  xdotool search --onlyvisible --pid "$E2E_APP_PID" --classname "^$(basename "$APP")\$" \
    getwindowgeometry --shell %@ 2>/dev/null \
    | awk -F= '/^WINDOW=/ { id = $2 } /^X=/ { x = $2 } /^Y=/ { y = $2 } /^WIDTH=/ { w = $2 }
               /^HEIGHT=/ { if ($2 > 0 && w > 0) print id, x, y, w, $2 }' || true
}

click_somewhere() {
  local button=$1 windows=() wid x y w h
  mapfile -t windows < <(visible_program_windows)
  ((${#windows[@]} > 0)) || return 0
  pick ${#windows[@]}
  read -r wid x y w h <<<"${windows[PICKED]}"
  pick "$w"
  x=$((x + PICKED))
  pick "$h"
  y=$((y + PICKED))
  # With no window manager, the clicked window gets the keys only when given the focus.
  xdotool windowfocus "$wid" mousemove "$x" "$y" click --delay 0 "$button" 2>/dev/null || true
  echo "click $button at $x,$y in $wid"
}

# Sets TEXT to a short random text of name characters and others, control characters included.
random_text() {
  local pieces=(a Z 0 . - ' ' / '\' ';' _ $'\t' $'\n' $'\x01' $'\x1b' $'\xc3\xa9') length i
  pick 40
  length=$((PICKED + 1))
  TEXT=""
  for ((i = 0; i < length; i++)); do
    pick ${#pieces[@]}
    TEXT+=${pieces[PICKED]}
  done
}

# A new owner takes each selection from the last one, which then ends.
change_selections() {
  pick 3
  case $PICKED in
    0)
      selections_without_owner
      echo "selections: no owner"
      ;;
    1)
      random_text
      printf '%s' "$TEXT" >"$E2E_WORK/text.txt"
      clipboard_owner clipboard UTF8_STRING "$E2E_WORK/text.txt"
      clipboard_owner primary UTF8_STRING "$E2E_WORK/text.txt"
      echo "selections: text"
      ;;
    2)
      selections_picture_only
      echo "selections: picture only"
      ;;
  esac
}

# Puts the game folder into the save window's directory box, and now and then presses OK; with no
# save window open, presses "Create Script" for one.
direct_the_save() {
  local save main
  save=$(visible_windows "$SAVE_TITLE" | head -n 1)
  if [[ -z "$save" ]]; then
    main=$(visible_windows "$MAIN_TITLE" | head -n 1)
    [[ -n "$main" ]] || return 0
    xdotool windowraise "$main" windowfocus "$main" mousemove --window "$main" \
      "${CREATE_BUTTON[@]}" click 1 2>/dev/null || true
    echo "create in $main"
    return 0
  fi
  xdotool windowraise "$save" windowfocus "$save" mousemove --window "$save" "${DIRECTORY_BOX[@]}" \
    click 1 key ctrl+a type --delay 2 "$GAME" 2>/dev/null || true
  pick 2
  if ((PICKED)); then
    xdotool mousemove --window "$save" "${OK_BUTTON[@]}" click 1 2>/dev/null || true
  fi
  echo "directory of $save"
}

one_event() {
  local dice key
  pick 100
  dice=$PICKED
  if ((dice < 38)); then
    click_somewhere 1
  elif ((dice < 46)); then
    click_somewhere 2
  elif ((dice < 84)); then
    pick ${#KEYS[@]}
    key=${KEYS[PICKED]}
    xdotool key --delay 0 "$key" 2>/dev/null || true
    echo "key $key"
  elif ((dice < 88)); then
    random_text
    xdotool type --delay 2 -- "${TEXT//[$'\n\t\x01\x1b']/}" 2>/dev/null || true
    echo "typed ${TEXT@Q}"
  elif ((dice < 95)); then
    change_selections
  else
    direct_the_save
  fi
}

# Answers the boxes and presses Exit until the program ends; it must end with status 0.
end_program() {
  local tries title box main
  for ((tries = 0; tries < 20; tries++)); do
    app_alive || break
    box=""
    for title in "${BOX_TITLES[@]}"; do
      box=$(visible_windows "$title" | head -n 1)
      [[ -n "$box" ]] && break
    done
    if [[ -n "$box" ]]; then
      # One key only: a second one would reach the name box once the box has gone.
      xdotool windowfocus "$box" key Return 2>/dev/null || true
    else
      # A click outside an open drop-down list or menu only closes it: the next try presses Exit.
      # (No Escape: in the name box it brings the "Invalid Character" box.)
      main=$(visible_windows "$MAIN_TITLE" | head -n 1)
      [[ -n "$main" ]] && xdotool windowraise "$main" windowfocus "$main" \
        mousemove --window "$main" "${EXIT_BUTTON[@]}" click 1 2>/dev/null || true
    fi
    sleep 0.2
  done
  app_alive && monkey_fail "the program did not end at Exit"
  local rc=0
  wait "$E2E_APP_PID" || rc=$?
  E2E_APP_PID=""
  ((rc == 0)) || monkey_fail "the program ended with exit code $rc"
}

watch_writes
RUNS=1
start_in_sandbox
start=$SECONDS
events=0
while ((events < EVENTS && SECONDS - start < LIMIT)); do
  app_alive || restart
  one_event >>"$EVENT_LOG"
  events=$((events + 1))
done
end_program
seconds=$((SECONDS - start))
sleep 0.5  # the last writes reach fatrace, which writes out what it holds as it ends
kill "$WATCHER"
wait "$WATCHER" || true

if grep -E -q 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$E2E_WORK/app.log"; then
  monkey_fail "a sanitizer reported (the program's output follows)"
fi
pid_pattern=$(printf '%s|' "${PIDS[@]}")
outside=$(grep -E "^[^(]*\((${pid_pattern%|})\): " "$WRITES" | sed 's/^[^:]*: [A-Z+]* *//' \
  | grep -v -F "$E2E_WORK/" | sort -u || true)
[[ -z "$outside" ]] || monkey_fail "the program wrote outside its sandbox: $outside"
# Each save writes its script into a file of the cstrike folder that has no name yet.
saves=$(grep -E "^[^(]*\((${pid_pattern%|})\): " "$WRITES" \
  | grep -c -E "$GAME/cstrike/#[0-9]+ \(deleted\)" || true)
log "$events events, $RUNS runs, $saves writes of a script file, no sanitizer report, no write" \
  "outside the sandbox, ${seconds}s"
E2E_FAILED=0
