#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows the Windows build working under Wine, in its own Xvfb, driven with xdotool as the
# end-to-end tests drive the Linux program:
#   the core tests (.exe) pass;
#   the .exe carries the program's icon, its VERSIONINFO and its manifest (Windows 10 and later
#   only), and is marked terminal-server aware;
#   on a Windows 10 older than the program needs, the program and the setup program refuse with
#   their message boxes, and the setup program writes nothing;
#   on Windows 10 at 100 %, in dark app mode, at 125 %, 150 % and 200 %, and on Windows 11: the
#   main, code, About, Help and save windows show, the main window as large as the Linux program's
#   at that scale; no caption is cut by its box (its ink keeps off the box's edge and is as wide as
#   the Linux program's at the scale); each button's caption contrasts with its face by at least
#   4.5:1; OK with a directory without a cstrike folder shows the "Not Saved" box and writes
#   nothing, and OK with a directory under Wine's C: drive writes <dir>\cstrike\MyScript.cfg,
#   byte-identical to what the Linux program writes for the same selection (and to the expected
#   bytes of the end-to-end tests); on Windows 11 the main window looks as on Windows 10, in the
#   same style;
#   the setup program installs silently; the installed program, in Qt's plain "windows" style set
#   by QT_STYLE_OVERRIDE, has whole captions and readable buttons and saves a byte-identical script
#   into a Steam-like game directory (spaces and parentheses in the path); the Start menu shortcut
#   and the "Apps & features" entry are there; the uninstaller, silent too, removes every file, the
#   shortcut and the entry, and the folder.
# Every missing tool is named before any of it runs. Every wait is for the event itself (a window
# shown and painted, a box closed, a program ended, Wine's last program ended), within E2E_TIMEOUT.
# It needs the long Qt build of cross-build.sh: CI runs it where that build is cached
# (tests/stages/45-windows.sh).
#
# Usage: dbus-run-session -- tests/windows/check-under-wine.sh [WINDOWS_BUILD_DIR [LINUX_PROGRAM]]
#   WINDOWS_BUILD_DIR  cross-build.sh's output (default build-windows/)
#   LINUX_PROGRAM      the Linux program for the comparison (default build/app/vezuvazov)
# Environment: VEZUVAZOV_SHOTS  a folder for the pictures of the windows in each case (or none)
#              E2E_FACTS        the Linux build's program_facts (default build/tests/e2e/...)
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=${1:-$repo/build-windows}
linux_program=${2:-$repo/build/app/vezuvazov}
exe=$out/vezuvazov-windows/vezuvazov.exe
core_tests=$out/build/tests/script_tests.exe
cache=$out/build/CMakeCache.txt

# shellcheck source=tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"
# shellcheck disable=SC2034  # read by the helpers of lib.sh
E2E_TIMEOUT=60 # Wine's first start makes its prefix: far slower than a Linux program's start.
export E2E_FACTS=${E2E_FACTS:-$repo/build/tests/e2e/program_facts}

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# shellcheck disable=SC2034  # read by e2e_begin
E2E_TOOLS=("$WINE" "$WINESERVER" wrestool icotool strings convert import identify
  x86_64-w64-mingw32-objdump)
# The contrast measure: PICTURE NAME=X,Y,W,H... prints a line for each button, and fails if one
# reads below 4.5:1.
contrast() { "$repo/build/tests/ui/button_contrast" "$@"; }

missing=()
for f in "$exe" "$core_tests" "$cache" "$linux_program" "$E2E_FACTS"; do
  [[ -e "$f" ]] || missing+=("$f")
done
((${#missing[@]} == 0)) \
  || fail "missing: ${missing[*]} (run dist/windows/cross-build.sh and build the Linux program)"
cached() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
version=$(cached CMAKE_PROJECT_VERSION)
setup=$out/vezuvazov-$version-setup.exe
oldest_build=$(cached VEZUVAZOV_WINDOWS_BUILD)
[[ -e "$setup" && -n "$oldest_build" ]] || fail "missing: $setup (run dist/windows/cross-build.sh)"
e2e_begin "$linux_program"
[[ -z "${VEZUVAZOV_SHOTS:-}" ]] || mkdir -p "$VEZUVAZOV_SHOTS"
convert -size 8x8 xc:white "$E2E_WORK/blank.png"
[[ $(contrast "$E2E_WORK/blank.png" blank=0,0,8,8 2>&1) == "blank: "* ]] \
  || fail "the contrast measure does not run: $(contrast "$E2E_WORK/blank.png" blank=0,0,8,8 2>&1)"

# A Wine set-up of its own, stopped with everything it started when the check ends.
export WINEPREFIX="$E2E_WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine_cleanup() {
  local rc=$?
  "$WINESERVER" -k 2>/dev/null
  (exit "$rc")
  e2e_cleanup
}
trap wine_cleanup EXIT

# Each value is written when it changes: every write starts a Wine program.
declare -A REGISTRY=()
set_reg() {
  [[ "${REGISTRY["$1\\$2"]:-}" != "$4" ]] || return 0
  REGISTRY["$1\\$2"]=$4
  "$WINE" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 || fail "could not set $1\\$2"
}

# The Windows Wine reports to the programs it starts next: Windows 10 or 11 of the build $1, as
# Windows' own registry holds it. Wine reads it there while its own key names no version.
windows_build() {
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion' value
  set_reg "$key" CurrentVersion REG_SZ 10.0
  for value in CurrentBuild CurrentBuildNumber; do set_reg "$key" "$value" REG_SZ "$1"; done
}

# Windows' settings for the programs Wine starts next: dark app mode when $1 is 0, as Windows'
# Colours setting writes it, and the scale, $2 per cent (96 pixels an inch at 100 %).
looks() {
  local key dpi=$(($2 * 96 / 100))
  set_reg 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    AppsUseLightTheme REG_DWORD "$1"
  for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    set_reg "$key" LogPixels REG_DWORD "$dpi"
  done
}

# Scales the numbers of the variables named to $SCALE per cent, rounded as Qt rounds them.
scale() {
  local name
  for name; do printf -v "$name" %d $(((${!name} * SCALE + 50) / 100)); done
}

# The client area's offset in the X window of a window, whose client area is as large as the Linux
# program's window of its title at the scale: prints the X offset and the Y offset. Wine frames the
# windows itself (there is no window manager), all but the main window, which has no frame.
client_offset() {
  local wid=$1 client_w client_h border
  window_geometry "$wid"
  locate "$wid" "$(xdotool getwindowname "$wid")" \
    || fail "no window of window $wid's title was seen"
  IFS=, read -r _ _ client_w client_h <<<"$AT_RECT"
  scale client_w client_h
  border=$(((WIDTH - client_w) / 2))
  echo "$border $((HEIGHT - client_h - border))"
}

# Clicks the middle of the control named $2 of the window $1, at the scale.
click_scaled() {
  local dx dy
  read -r dx dy < <(client_offset "$1")
  locate "$1" "$2" || fail "window $1 has no control \"$2\""
  scale AT_X AT_Y
  xdotool mousemove --window "$1" $((AT_X + dx)) $((AT_Y + dy)) click 1
}

# Presses "Exit" in the main window $1: the program ends with exit code 0.
exit_main() {
  focus "$1"
  click_scaled "$1" "$EXIT_BUTTON"
  expect_exit_code 0
}

save_to() {
  replace_text "$1" "$DIRECTORY_BOX" "$2" click_scaled
  click_scaled "$1" "$OK_BUTTON"
}

# Keeps the picture $1 in VEZUVAZOV_SHOTS, as $2 if given.
keep() {
  [[ -z "${VEZUVAZOV_SHOTS:-}" ]] || cp "$1" "$VEZUVAZOV_SHOTS/${2:-$(basename "$1")}"
}

start_wine_app() {
  "$WINE" "$1" </dev/null >>"$E2E_WORK/app.log" 2>&1 &
  E2E_APP_PID=$!
  log "$(basename "$1") started under Wine, pid $E2E_APP_PID"
}

# Whether the pictures $1 and $2 hold the same pixels (their files hold times too).
same_picture() { cmp -s <(convert "$1" ppm:-) <(convert "$2" ppm:-); }

# Whether the window $1 shows a picture of itself, kept in $2: the same in two looks, and more
# than the one or two colours of a window not painted yet (under Wine on a busy machine a window
# was seen mapped and still black for seconds).
painted() {
  import -window "$1" "$E2E_WORK/look.png" && import -window "$1" "$2" \
    && same_picture "$E2E_WORK/look.png" "$2" \
    && (($(identify -format %k "$2") > 2))
}

# Measures the ink of each caption of the window titled $2 in its picture $1, its client area at
# $3,$4, at the scale: in the middle half of the caption's box, where its text's strokes are and
# no neighbour's frame reaches, within its bevel for a push button, and within the client area.
# Sets CAPTIONS to their names, BEVELS to their bevels' widths and INK to "WIDTH X INK_WIDTH" for
# each: the box's width and where its ink starts and how wide it is (WIDTH 0: no ink at all).
measure_captions() {
  local picture=$1 title=$2 dx=$3 dy=$4 key x y w h bevel client_w crops=()
  IFS=, read -r _ _ client_w _ <<<"${E2E_CONTROLS["$title/$title"]}"
  scale client_w
  CAPTIONS=() BEVELS=()
  for key in "${!E2E_ROLES[@]}"; do
    [[ $key == "$title/"* && ${E2E_ROLES[$key]} =~ ^ROLE_(LABEL|CHECK_BOX|PUSH_BUTTON)$ ]] \
      || continue
    IFS=, read -r x y w h <<<"${E2E_CONTROLS[$key]}"
    scale x y w h
    bevel=0
    [[ ${E2E_ROLES[$key]} != ROLE_PUSH_BUTTON ]] || bevel=$(((3 * SCALE + 99) / 100))
    w=$((x + w > client_w ? client_w - x : w)) x=$((x + dx + bevel)) y=$((y + dy + h / 4))
    crops+=('(' -clone 0 -crop "$((w - 2 * bevel))x$((h / 2))+$x+$y" +repage -trim ')')
    CAPTIONS+=("${key#"$title/"}") BEVELS+=("$bevel")
  done
  INK=()
  ((${#crops[@]} > 0)) || return 0
  mapfile -t INK < <(convert -quiet "$picture" -fuzz 25% "${crops[@]}" -delete 0 \
    -format '%W %X %w\n' info:)
  ((${#INK[@]} == ${#CAPTIONS[@]})) || fail "could not measure the captions in $picture"
}

# Learns where the Linux program's window $1, titled $2, has its controls, and keeps how wide the
# ink of each caption is in its picture.
declare -A LINUX_INK=()
linux_window() {
  local i
  locate "$1" "$2" || fail "AT-SPI shows no window \"$2\""
  wait_until "window \"$2\" was not painted" painted "$1" "$E2E_WORK/linux.png"
  SCALE=100 measure_captions "$E2E_WORK/linux.png" "$2" 0 0
  for i in "${!CAPTIONS[@]}"; do LINUX_INK["$2/${CAPTIONS[i]}"]=${INK[i]##* }; done
}

# Fails unless every caption of the window titled $2 is whole in its picture $1 (client area at
# $3,$4): its ink keeps off the edges of its box that would cut it (a label's or check box's right
# edge, both edges of a push button's face), and is as wide as in the Linux program at the scale
# (which lays the windows out alike), less 7 % and 2 pixels for the hinting of the glyphs' widths:
# less is text lost to a cut, or to a line wrapped out of its box.
expect_whole_captions() {
  local i W X ink linux cut=()
  measure_captions "$@"
  for i in "${!CAPTIONS[@]}"; do
    read -r W X ink <<<"${INK[i]}"
    linux=${LINUX_INK["$2/${CAPTIONS[i]}"]:?"no measure of \"${CAPTIONS[i]}\" in the Linux program"}
    if ((W == 0 || X + ink >= W || (BEVELS[i] > 0 && X <= 0)
      || ink * 10000 + 20000 < 93 * linux * SCALE)); then
      cut+=("\"${CAPTIONS[i]}\"")
    fi
  done
  ((${#cut[@]} == 0)) || fail "captions cut in $1: ${cut[*]}"
}

# Fails unless every button of the window titled $2 reads at 4.5:1 or better in its picture $1,
# its client area at $3,$4; prints the measures, named by the picture $5.
expect_readable_buttons() {
  local picture=$1 title=$2 dx=$3 dy=$4 name=$5 key x y w h rects=() measured inset
  # The measure leaves out three pixels of bevel, which grows with the scale.
  inset=$((3 * SCALE / 100 - 3))
  for key in "${!E2E_ROLES[@]}"; do
    [[ $key == "$title/"* && ${E2E_ROLES[$key]} == ROLE_PUSH_BUTTON ]] || continue
    IFS=, read -r x y w h <<<"${E2E_CONTROLS[$key]}"
    scale x y w h
    x=$((x + dx + inset)) y=$((y + dy + inset)) w=$((w - 2 * inset)) h=$((h - 2 * inset))
    rects+=("${key#"$title/"}=$x,$y,$w,$h")
  done
  ((${#rects[@]} == 0)) && return
  measured=$(contrast "$picture" "${rects[@]}") \
    || fail "a button of $name is hard to read (below 4.5:1): ${measured//$'\n'/; }"
  echo "   $name: ${measured//$'\n'/$'\n'   $name: }"
}

# Waits for the window $1, titled $2, to show painted, and checks its captions and buttons; its
# picture is $E2E_WORK/$3.png, and kept in VEZUVAZOV_SHOTS.
check_window() {
  local wid=$1 title=$2 picture=$E2E_WORK/$3.png dx dy
  xdotool mousemove 0 0 # no button highlighted under the pointer
  wait_until "window \"$title\" ($wid) was not painted" painted "$wid" "$picture"
  keep "$picture"
  read -r dx dy < <(client_offset "$wid")
  expect_whole_captions "$picture" "$title" "$dx" "$dy"
  expect_readable_buttons "$picture" "$title" "$dx" "$dy" "$3"
}

# Opens a window from the main window $1 with its button, $2 being "BUTTON=TITLE", checks it as
# $3-<title> and closes it again, as a player would with Alt+F4.
check_opened() {
  local title=${2#*=} wid
  click_scaled "$1" "${2%%=*}"
  wid=$(wait_window "$title")
  check_window "$wid" "$title" "$3-${title,,}"
  focus "$wid"
  xdotool key alt+F4
  wait_gone "$title" "$wid"
}

# ---- What Explorer and the loader read from the .exe.
check_resources() {
  local list
  list=$(wrestool -l "$exe") || fail "wrestool could not read $exe"
  log "resources of vezuvazov.exe:"
  echo "   ${list//$'\n'/$'\n'   }"
  grep -q "type=group_icon" <<<"$list" || fail "no icon in the .exe"
  grep -q "type=version" <<<"$list" || fail "no VERSIONINFO in the .exe"
  grep -q -- "--type=24 " <<<"$list" || fail "no manifest in the .exe"
  # The icon group holds every image of the program's icon, 16 to 256 pixels.
  wrestool -x --type=14 "$exe" >"$E2E_WORK/exe.ico"
  [[ "$(icotool -l "$E2E_WORK/exe.ico" | sed 's/--index=[0-9]* //')" == \
    "$(icotool -l "$repo/assets/vezuvazov.ico" | sed 's/--index=[0-9]* //')" ]] \
    || fail "the .exe's icon is not vezuvazov.ico's: $(icotool -l "$E2E_WORK/exe.ico")"
  # VERSIONINFO's strings, each name followed by its value.
  local strings copyright pair
  strings=$(wrestool -x --raw --type=16 "$exe" | strings -el -n 3 | tr '\n' '|')
  copyright=$(grep -m1 '^Copyright ' "$repo/LICENSE")
  for pair in "ProductName|Vezuvazov" "CompanyName|Didadura" "FileVersion|$version" \
    "ProductVersion|$version" "OriginalFilename|vezuvazov.exe" "LegalCopyright|$copyright" \
    "FileDescription|Counter-Strike buy script maker"; do
    [[ "|$strings" == *"|$pair|"* ]] || fail "VERSIONINFO lacks $pair: $strings"
  done
  local manifest
  manifest=$(wrestool -x --raw --type=24 "$exe")
  for want in 'level="asInvoker"' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' \
    '>PerMonitorV2<' '>UTF-8<'; do
    grep -qF -- "$want" <<<"$manifest" || fail "the manifest lacks $want"
  done
  # Windows 10's id alone: the program does not run on the older ones.
  [[ $(grep -c '<supportedOS ' <<<"$manifest") -eq 1 ]] \
    || fail "the manifest declares Windows other than 10 and 11:" \
      "$(grep '<supportedOS ' <<<"$manifest")"
  local characteristics
  characteristics=$(x86_64-w64-mingw32-objdump -p "$exe" | grep -A8 '^DllCharacteristics')
  grep -q TERMINAL_SERVICE_AWARE <<<"$characteristics" \
    || fail "the .exe is not terminal-server aware: $characteristics"
  log "icon (vezuvazov.ico's sizes), VERSIONINFO, manifest (Windows 10 on) and the" \
    "terminal-server flag are in the .exe"
}

# ---- The core tests.
log "core tests under Wine (the first start makes the Wine prefix)"
"$WINE" "$core_tests" >"$E2E_WORK/core.log" 2>&1 \
  || { cat "$E2E_WORK/core.log"; fail "core tests failed"; }
grep -q '^\[  PASSED  \]' "$E2E_WORK/core.log" || fail "core tests printed no PASSED line"
log "core tests: $(grep '^\[  PASSED  \]' "$E2E_WORK/core.log")"

check_resources

# Windows has the design's fonts; Wine has neither, and unlike fontconfig on Linux it has no
# stand-ins for them. The same stand-ins as on Linux, as Wine font replacements. These reach
# Windows' GDI only, not DirectWrite, which Qt 6.8 draws with by default: the program is told to
# draw with GDI (Windows has the fonts themselves: this is the check's need, not the players').
for pair in 'Comic Sans MS=Comic Neue' 'Arial=Liberation Sans'; do
  set_reg 'HKCU\Software\Wine\Fonts\Replacements' "${pair%%=*}" REG_SZ "${pair#*=}"
done
# Wine hands the programs it starts no QT_* variable of the Unix environment: they go into the
# Windows user's environment instead.
set_reg 'HKCU\Environment' QT_QPA_PLATFORM REG_SZ windows:fontengine=gdi

# ---- The Linux program: its file for the start selection, and where each window has its controls.
LINUX_GAME="$E2E_WORK/linux-game"
mkdir -p "$LINUX_GAME/cstrike"
start_app
MAIN=$(wait_window "$MAIN_TITLE")
linux_window "$MAIN" "$MAIN_TITLE"
create_script "$MAIN"
linux_window "$SAVE" "$SAVE_TITLE"
save_into "$SAVE" "$LINUX_GAME"
expected_scripts 1 >"$E2E_WORK/one.expected"
expect_same_bytes "$LINUX_GAME/cstrike/MyScript.cfg" "$E2E_WORK/one.expected"
log "Linux program saved MyScript.cfg"
# The windows the main window opens, each by its button.
OPENED=("$CODE_BUTTON=$CODE_TITLE" "$ABOUT_BUTTON=$ABOUT_TITLE" "$HELP_BUTTON=$HELP_TITLE")
for opened in "${OPENED[@]}"; do
  atspi "$MAIN_TITLE" "${opened%%=*}" press
  linux_window "$(wait_window "${opened#*=}")" "${opened#*=}"
done
atspi "$MAIN_TITLE" "$EXIT_BUTTON" press
expect_exit_code 0

# ---- A Windows 10 older than the program needs: the program and the setup program say so and
# end, silent the setup program in failure; the setup program writes no file and no registry entry.
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vezuvazov'
INSTALLED="$WINEPREFIX/drive_c/Program Files/Vezuvazov"
no_uninstall_entry() { ! "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1; }
windows_build $((oldest_build - 1))
for refusing in "$exe=Vezuvazov=1" "$setup=Vezuvazov Setup=2"; do
  IFS='=' read -r program title status <<<"$refusing"
  start_wine_app "$program"
  BOX=$(wait_window "$title")
  wait_until "the box \"$title\" was not painted" painted "$BOX" "$E2E_WORK/box.png"
  keep "$E2E_WORK/box.png" "$(basename "$program" .exe)-on-build-$((oldest_build - 1)).png"
  answer_box "$title"
  expect_exit_code "$status"
done
! "$WINE" "$setup" /S || fail "the setup program installed on build $((oldest_build - 1))"
[[ ! -e "$INSTALLED" ]] || fail "the setup program wrote $INSTALLED on an older Windows"
no_uninstall_entry || fail "the setup program wrote its entry on an older Windows"
log "on Windows 10 build $((oldest_build - 1)) the program and the setup program refused with" \
  "their messages, and the setup program wrote nothing"

# ---- The Windows program in each case: its name, the build of Windows Wine reports, the app mode
# (1 light, 0 dark) and the scale in per cent. Windows 10's build is the one Wine 8 reports for
# its Windows 10; 22000 is Windows 11's first.
WIN_GAME="$WINEPREFIX/drive_c/game"
mkdir -p "$WIN_GAME/cstrike" "$WINEPREFIX/drive_c/nogame"
for case in "windows-10 18362 1 100" "dark 18362 0 100" "125 18362 1 125" "150 18362 1 150" \
  "200 18362 1 200" "windows-11 22000 1 100"; do
  read -r name build light SCALE <<<"$case"
  log "---- $name: Windows 10.0.$build, AppsUseLightTheme $light, $SCALE %"
  windows_build "$build"
  looks "$light" "$SCALE"
  start_wine_app "$exe"
  MAIN1=$(wait_window "$MAIN_TITLE")
  # The main window has no frame: its X window is its client area, as large as the Linux
  # program's at the scale. Wine shows the tool-window style to X as the skip-taskbar state.
  window_geometry "$MAIN1"
  locate "$MAIN1" "$MAIN_TITLE" || fail "the Linux program's main window was not seen"
  IFS=, read -r _ _ w h <<<"$AT_RECT"
  scale w h
  [[ "${WIDTH}x$HEIGHT" == "${w}x$h" ]] || fail "main window is ${WIDTH}x$HEIGHT, expected ${w}x$h"
  xprop -id "$MAIN1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR \
    || fail "main window is in the task bar: $(xprop -id "$MAIN1" _NET_WM_STATE)"
  check_window "$MAIN1" "$MAIN_TITLE" "$name-main"
  # Windows 11 gets Windows 10's style: the very pixels of its main window show it, and the other
  # windows, in the same style, are those the Windows 10 case checked.
  if [[ $name == windows-11 ]]; then
    same_picture "$E2E_WORK/windows-10-main.png" "$E2E_WORK/$name-main.png" \
      || fail "on Windows 11 the main window looks otherwise than on Windows 10, in another style"
    exit_main "$MAIN1"
    continue
  fi
  for opened in "${OPENED[@]}"; do check_opened "$MAIN1" "$opened" "$name"; done
  click_scaled "$MAIN1" "$CREATE_BUTTON"
  SAVE=$(wait_window "$SAVE_TITLE")
  MAIN2=$(wait_window "$MAIN_TITLE" "$MAIN1")
  check_window "$SAVE" "$SAVE_TITLE" "$name-save"
  # A directory without cstrike: "Not Saved", nothing written, the save window stays.
  save_to "$SAVE" 'C:\nogame'
  answer_box "$NOT_SAVED_BOX"
  is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed on a failed save"
  expect_files "$WINEPREFIX/drive_c/nogame"
  save_to "$SAVE" 'C:\game'
  answer_box "$FINISHED_BOX"
  expect_files "$WIN_GAME" cstrike/MyScript.cfg
  expect_same_bytes "$WIN_GAME/cstrike/MyScript.cfg" "$LINUX_GAME/cstrike/MyScript.cfg"
  rm "$WIN_GAME/cstrike/MyScript.cfg"
  log "C:\\game\\cstrike\\MyScript.cfg is byte-identical to the Linux program's file"
  exit_main "$MAIN2"
done
looks 1 100
windows_build 18362

# ---- The setup program, silent: every file of the portable folder, the uninstaller, the Start
# menu shortcut and the uninstall entry. Wine's user is an administrator: all users' places.
SHORTCUT="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vezuvazov.lnk"
"$WINE" "$setup" /S || fail "the setup program failed"
mapfile -t shipped < <(cd "$out/vezuvazov-windows" && find . -type f | sed 's|^\./||')
expect_files "$INSTALLED" "${shipped[@]}" uninstall.exe
cmp "$exe" "$INSTALLED/vezuvazov.exe" || fail "the installed program differs from the gathered one"
[[ -f "$SHORTCUT" ]] || fail "no Start menu shortcut $SHORTCUT"
entry=$("$WINE" reg query "$UNINSTALL_KEY" 2>/dev/null | tr -d '\r')
for value in 'DisplayName    REG_SZ    Vezuvazov' "DisplayVersion    REG_SZ    $version" \
  'Publisher    REG_SZ    Didadura' \
  'DisplayIcon    REG_SZ    C:\Program Files\Vezuvazov\vezuvazov.exe,0' \
  'EstimatedSize    REG_DWORD' 'QuietUninstallString    REG_SZ'; do
  grep -qF -- "$value" <<<"$entry" || fail "the uninstall entry lacks \"$value\": $entry"
done
log "installed silently: $(du -sh "$INSTALLED" | cut -f1) in C:\\Program Files\\Vezuvazov," \
  "a Start menu shortcut and the uninstall entry"

# ---- The installed program, in Qt's plain "windows" style: readable buttons, and a save into a
# game directory as Steam lays it out.
STEAM='C:\Program Files (x86)\Steam\steamapps\common\Half-Life'
STEAM_GAME="$WINEPREFIX/drive_c/Program Files (x86)/Steam/steamapps/common/Half-Life"
mkdir -p "$STEAM_GAME/cstrike"
set_reg 'HKCU\Environment' QT_STYLE_OVERRIDE REG_SZ windows
start_wine_app "$INSTALLED/vezuvazov.exe"
# The first program has ended: its window ids may serve the new one.
MAIN3=$(wait_window "$MAIN_TITLE")
log "button contrast in Qt's \"windows\" style:"
check_window "$MAIN3" "$MAIN_TITLE" main-windows
! same_picture "$E2E_WORK/windows-10-main.png" "$E2E_WORK/main-windows.png" \
  || fail "QT_STYLE_OVERRIDE did not change the program's style"
click_scaled "$MAIN3" "$CREATE_BUTTON"
SAVE=$(wait_window "$SAVE_TITLE")
MAIN4=$(wait_window "$MAIN_TITLE" "$MAIN3")
check_window "$SAVE" "$SAVE_TITLE" save-windows
save_to "$SAVE" "$STEAM"
answer_box "$FINISHED_BOX"
expect_same_bytes "$STEAM_GAME/cstrike/MyScript.cfg" "$LINUX_GAME/cstrike/MyScript.cfg"
log "$STEAM\\cstrike\\MyScript.cfg is byte-identical to the Linux program's file"
exit_main "$MAIN4"

# ---- The silent uninstaller. It runs from a copy of itself, which it starts and leaves: it is done
# when Wine's last program has ended, and with it Wine's server.
quiet=$(sed -n 's/^ *QuietUninstallString *REG_SZ *//p' <<<"$entry")
uninstaller=${quiet#\"}
read -ra arguments <<<"${uninstaller#*\" }"
"$WINE" "${uninstaller%%\"*}" "${arguments[@]}"
"$WINESERVER" -w
[[ ! -e "$INSTALLED" ]] || fail "the uninstaller left: $(find "$INSTALLED")"
[[ ! -e "$SHORTCUT" ]] || fail "the uninstaller left the Start menu shortcut"
no_uninstall_entry || fail "the uninstaller left the uninstall entry"
log "uninstalled silently: no file, shortcut or entry left"
e2e_pass
