#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A monkey at the real program: random clicks into its visible windows, random keys and middle
# clicks, while the clipboard and the selection change between no owner, text, one long line and a
# picture only; now and then the save window's directory box gets the sandbox's game folder, so
# that saves happen too. The program runs with HOME, its working folder and its temporary folder
# in a throw-away sandbox, and is started again whenever it ends.
#
# It fails on any end with an exit status other than 0, a program that does not answer within
# HANG_SECONDS after any event (asked as a window manager asks, with _NET_WM_PING), any sanitizer
# report in the program's output, any file the program writes outside the sandbox (every write of
# its processes is watched with fanotify, through fatrace, which needs root), and a run that saved
# no script file. docs/monkey.md tells more.
#
# At most MONKEY_EVENTS events or MONKEY_SECONDS seconds, drawn from MONKEY_SEED: the same seed
# sends the same events; their effect may still differ with timing. CTest runs it (ctest -L monkey)
# at the sanitizer build, with the sanitizers' options in the environment.
source "$(dirname "$0")/lib.sh"

SEED=${MONKEY_SEED:-20261207}
EVENTS=${MONKEY_EVENTS:-4000}
LIMIT=${MONKEY_SECONDS:-90}
REPLAY="MONKEY_SEED=$SEED MONKEY_EVENTS=$EVENTS MONKEY_SECONDS=$LIMIT ctest --preset monkey"
HANG_SECONDS=5
# One line of text, no line end, between these sizes in KiB: what a log or a picture copied as text
# may hold.
LONG_LINE_KIB=(64 1024)

# The keys a player's hand may press: name characters and others, editing and moving keys, the
# clipboard's shortcuts, and keys that mean something to windows.
KEYS=(a b x z A Q 0 5 9 period minus space slash backslash semicolon apostrophe underscore exclam
  Return Escape Tab ISO_Left_Tab Left Right Up Down Home End Delete BackSpace
  ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z shift+Insert F1 alt+F4)

e2e_begin "$@"
APP=$(realpath "$APP")
command -v fatrace >/dev/null || fail "fatrace is not installed (./build.sh test installs it)"
RANDOM=$SEED
events=0
log "seed $SEED, at most $EVENTS events or ${LIMIT}s; replay: $REPLAY"

# The test's work folder is the sandbox: the program's home, working and temporary folders, its
# output and its game folder (GAME) are in it.
SANDBOX=$E2E_WORK
mkdir -p "$SANDBOX/home" "$SANDBOX/work" "$SANDBOX/tmp"
EVENT_LOG=$E2E_WORK/events.log
WRITES=$E2E_WORK/writes.log
PIDS=()

monkey_fail() {
  local window wid x y w h title
  echo "---- last events (seed $SEED, $events events sent) ----" >&2
  tail -n 15 "$EVENT_LOG" >&2
  if app_alive; then
    echo "---- the program's visible windows ----" >&2
    visible_program_windows
    for window in "${WINDOWS[@]}"; do
      read -r wid x y w h title <<<"$window"
      echo "$wid \"$title\" ${w}x${h}+$x+$y" >&2
    done
  fi
  fail "$* (seed $SEED, after $events events; replay: $REPLAY)"
}

# The monkey's eyes (monkey_eyes.py), asked and answered through a pipe: they list the program's
# windows and ask it whether it answers, without a process started for each look.
open_eyes() {
  # Debian's own Python, which has python3-xlib.
  coproc EYES { exec /usr/bin/python3 "$E2E_DIR/monkey_eyes.py" "$HANG_SECONDS"; }
  E2E_OTHER_PIDS+=("$EYES_PID")
  local ready=""
  read -r -t "$E2E_TIMEOUT" ready <&"${EYES[0]}" || true
  [[ "$ready" == ready ]] || fail "monkey_eyes.py did not start"
}

ask_eyes() {
  echo "$1 $E2E_APP_PID" >&"${EYES[1]}"
}

# Fails unless the program, if it still runs, answers within HANG_SECONDS.
expect_answer() {
  local answer
  ask_eyes answers
  read -r -t $((HANG_SECONDS + E2E_TIMEOUT)) answer <&"${EYES[0]}" || fail "monkey_eyes.py stopped"
  case $answer in
    ended) return 0 ;;
    silent) monkey_fail "the program did not answer within ${HANG_SECONDS}s" ;;
  esac
  answer=${answer#answered }
  ((answer <= SLOWEST)) || SLOWEST=$answer
}

# Every write of every process named like the program, from now on.
watch_writes() {
  local root=()
  [[ $(id -u) -eq 0 ]] || root=(sudo -n)
  "${root[@]}" fatrace --filter=W --command="$(basename "$APP" | cut -c1-15)" -o "$WRITES" \
    </dev/null >"$E2E_WORK/fatrace.log" 2>&1 &
  WATCHER=$!
  E2E_OTHER_PIDS+=("$WATCHER")
  # fatrace opens its output once its marks are set.
  wait_until "fatrace did not start" fatrace_watches
}

fatrace_watches() {
  kill -0 "$WATCHER" 2>/dev/null || fail "fatrace could not watch: $(cat "$E2E_WORK/fatrace.log")"
  [[ -e "$WRITES" ]]
}

start_in_sandbox() {
  cd "$SANDBOX/work"
  HOME=$SANDBOX/home TMPDIR=$SANDBOX/tmp start_app >/dev/null
  cd - >/dev/null
  PIDS+=("$E2E_APP_PID")
  wait_window "$MAIN_TITLE" >/dev/null
}

# The program has ended: its status must be 0.
expect_status_0() {
  local rc=0
  wait "$E2E_APP_PID" || rc=$?
  E2E_APP_PID=""
  ((rc == 0)) || monkey_fail "the program ended with exit code $rc"
}

restart() {
  expect_status_0
  RUNS=$((RUNS + 1))
  start_in_sandbox
}

# Every random number is drawn here, in the monkey's own shell: a subshell would draw the same
# numbers again and again.
pick() { PICKED=$((RANDOM % $1)); }

# Sets WINDOWS to the program's visible windows, one "id x y width height title" each.
visible_program_windows() {
  local line
  WINDOWS=()
  ask_eyes windows
  while read -r -t "$E2E_TIMEOUT" line <&"${EYES[0]}" && [[ -n "$line" ]]; do
    WINDOWS+=("$line")
  done
}

# Sets FOUND to the first of the program's visible windows with one of these titles, or to nothing.
find_window() {
  local window wid title want
  FOUND=""
  visible_program_windows
  for window in "${WINDOWS[@]}"; do
    read -r wid _ _ _ _ title <<<"$window"
    for want; do [[ "$title" != "$want" ]] || { FOUND=$wid; return 0; }; done
  done
}

click_somewhere() {
  local button=$1 wid x y w h
  visible_program_windows
  ((${#WINDOWS[@]} > 0)) || return 0
  pick ${#WINDOWS[@]}
  read -r wid x y w h _ <<<"${WINDOWS[PICKED]}"
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
  local pieces=(a Z 0 . - ' ' / \\ ';' _ $'\t' $'\n' $'\x01' $'\x1b' $'\xc3\xa9') length i
  pick 40
  length=$((PICKED + 1))
  TEXT=""
  for ((i = 0; i < length; i++)); do
    pick ${#pieces[@]}
    TEXT+=${pieces[PICKED]}
  done
}

# One line of LONG_LINE_KIB, without a line end, in the file named.
long_line() {
  pick $((LONG_LINE_KIB[1] - LONG_LINE_KIB[0] + 1))
  LONG_KIB=$((LONG_LINE_KIB[0] + PICKED))
  head -c $((LONG_KIB * 1024)) /dev/zero | tr '\0' x >"$1"
}

# A new owner takes each selection from the last one, which then ends.
change_selections() {
  pick 4
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
    3)
      long_line "$E2E_WORK/line.txt"
      clipboard_owner clipboard UTF8_STRING "$E2E_WORK/line.txt"
      clipboard_owner primary UTF8_STRING "$E2E_WORK/line.txt"
      echo "selections: one line of $LONG_KIB KiB"
      ;;
  esac
}

# Pastes what the selections hold into one of the text boxes, as a player pastes: the middle
# button, Shift+Insert or Ctrl+V.
paste_into_a_box() {
  local boxes=() wid control box how=() way
  find_window "$MAIN_TITLE"
  [[ -z "$FOUND" ]] || boxes+=("$FOUND ADVERTISE_BOX advertise" "$FOUND NAME_BOX name")
  find_window "$SAVE_TITLE"
  [[ -z "$FOUND" ]] || boxes+=("$FOUND DIRECTORY_BOX directory")
  ((${#boxes[@]} > 0)) || return 0
  pick ${#boxes[@]}
  read -r wid control box <<<"${boxes[PICKED]}"
  pick 3
  case $PICKED in
    0) how=(click --delay 0 2) way="a middle click" ;;
    1) how=(click --delay 0 1 key --delay 0 shift+Insert) way=Shift+Insert ;;
    2) how=(click --delay 0 1 key --delay 0 ctrl+v) way=Ctrl+V ;;
  esac
  locate "$wid" "${!control}" || return 0
  xdotool windowfocus "$wid" mousemove --window "$wid" "$AT_X" "$AT_Y" "${how[@]}" 2>/dev/null \
    || true
  echo "paste by $way into the $box box of $wid"
}

# Puts the game folder into the save window's directory box, and now and then presses OK; with no
# save window open, presses "Create Script" for one.
direct_the_save() {
  local save main
  find_window "$SAVE_TITLE"
  save=$FOUND
  if [[ -z "$save" ]]; then
    find_window "$MAIN_TITLE"
    main=$FOUND
    [[ -n "$main" ]] && locate "$main" "$CREATE_BUTTON" || return 0
    xdotool windowraise "$main" windowfocus "$main" mousemove --window "$main" "$AT_X" "$AT_Y" \
      click --delay 0 1 2>/dev/null || true
    echo "create in $main"
    return 0
  fi
  locate "$save" "$DIRECTORY_BOX" || return 0
  xdotool windowraise "$save" windowfocus "$save" mousemove --window "$save" "$AT_X" "$AT_Y" \
    click --delay 0 1 key --delay 0 ctrl+a type --delay 2 "$GAME" 2>/dev/null || true
  pick 2
  if ((PICKED)) && locate "$save" "$OK_BUTTON"; then
    xdotool mousemove --window "$save" "$AT_X" "$AT_Y" click --delay 0 1 2>/dev/null || true
  fi
  echo "directory of $save"
}

one_event() {
  local dice key
  pick 100
  dice=$PICKED
  if ((dice < 36)); then
    click_somewhere 1
  elif ((dice < 44)); then
    click_somewhere 2
  elif ((dice < 80)); then
    pick ${#KEYS[@]}
    key=${KEYS[PICKED]}
    xdotool key --delay 0 "$key" 2>/dev/null || true
    echo "key $key"
  elif ((dice < 84)); then
    random_text
    xdotool type --delay 2 -- "${TEXT//[$'\n\t\x01\x1b']/}" 2>/dev/null || true
    echo "typed ${TEXT@Q}"
  elif ((dice < 91)); then
    change_selections
  elif ((dice < 95)); then
    paste_into_a_box
  else
    direct_the_save
  fi
}

# Answers the boxes and presses Exit until the program ends; it must end with status 0.
end_program() {
  local tries main
  for ((tries = 0; tries < 20; tries++)); do
    app_alive || break
    find_window "${BOX_TITLES[@]}"
    if [[ -n "$FOUND" ]]; then
      # One key only: a second one would reach the name box once the box has gone.
      xdotool windowfocus "$FOUND" key Return 2>/dev/null || true
    else
      # A click outside an open drop-down list or menu only closes it: the next try presses Exit.
      # (No Escape: in the name box it brings the "Invalid Character" box.)
      find_window "$MAIN_TITLE"
      main=$FOUND
      if [[ -n "$main" ]] && locate "$main" "$EXIT_BUTTON"; then
        xdotool windowraise "$main" windowfocus "$main" mousemove --window "$main" "$AT_X" "$AT_Y" \
          click 1 2>/dev/null || true
      fi
    fi
    sleep 0.2
  done
  app_alive && monkey_fail "the program did not end at Exit"
  expect_status_0
}

watch_writes
open_eyes
RUNS=1
SLOWEST=0
start_in_sandbox
start=$SECONDS
start_us=${EPOCHREALTIME/[.,]/}
while ((events < EVENTS && SECONDS - start < LIMIT)); do
  app_alive || restart
  one_event >>"$EVENT_LOG"
  events=$((events + 1))
  expect_answer
done
end_program
tenths=$(((${EPOCHREALTIME/[.,]/} - start_us) / 100000))  # of a second
sleep 0.5  # the last writes reach fatrace, which writes out what it holds as it ends
kill "$WATCHER"
wait "$WATCHER" || true

if grep -E -q 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$E2E_WORK/app.log"; then
  monkey_fail "a sanitizer reported (the program's output follows)"
fi
pid_pattern=$(printf '%s|' "${PIDS[@]}")
written=$(grep -E "^[^(]*\((${pid_pattern%|})\): " "$WRITES" | sed 's/^[^:]*: [A-Z+]* *//' || true)
# Where fatrace names a file by its folder's handle and its name (Debian 13's), a file made without
# a name, as a save makes its new file until it takes the script's name, shows as "/": it is in no
# folder, and once named its writes are named too.
unnamed=$(grep -c -x -e / -e '/ (deleted)' <<<"$written" || true)
outside=$(grep -v -x -e / -e '/ (deleted)' <<<"$written" | grep -v -F "$E2E_WORK/" | sort -u ||
  true)
[[ -z "$outside" ]] || monkey_fail "the program wrote outside its sandbox: $outside"
# Each save writes a file of its own in cstrike, then puts it in the script's place.
saves=$(grep -E "^[^(]*\((${pid_pattern%|})\): " "$WRITES" \
  | awk -v dir="$GAME/cstrike/" 'index($0, dir) { print substr($0, index($0, dir)) }' \
  | sort -u | wc -l || true)
scripts=$(find "$GAME/cstrike" -name '*.cfg' -type f | wc -l)
((scripts > 0)) || monkey_fail "no script file was saved: the road to the save is broken"
# A watch that saw none of the saves sees no write outside the sandbox either.
((saves > 0)) || monkey_fail "fatrace saw none of the saves of the $scripts script files in" \
  "$GAME/cstrike: it cannot see this system's files, so no write outside the sandbox is seen"
rate=$((events * 100 / tenths))  # tenths of an event a second
log "$events events in $((tenths / 10)).$((tenths % 10))s" \
  "($((rate / 10)).$((rate % 10)) a second)," \
  "$RUNS runs, $saves saves ($scripts script files), every answer within ${SLOWEST} ms;" \
  "no sanitizer report, no write outside the sandbox$( ((unnamed == 0)) ||
    echo " ($unnamed to files not named yet)")"
E2E_FAILED=0
