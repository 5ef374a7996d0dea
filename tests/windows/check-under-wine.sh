#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows the Windows build working under Wine, in its own Xvfb, driven with xdotool as the
# end-to-end tests drive the Linux program:
#   the core tests (.exe) pass;
#   the main window's client area is as large as the Linux program's main window, and it is kept
#   out of the task bar;
#   "Create Script" then OK with a directory under Wine's C: drive writes
#   <dir>\cstrike\MyScript.cfg, byte-identical to what the Linux program writes for the same
#   selection (and to the expected bytes of the end-to-end tests);
#   OK with a directory without a cstrike folder shows the "Not Saved" box and writes nothing;
#   the .exe carries the program's icon, its VERSIONINFO and its manifest (Windows 10 and later
#   only), and is marked terminal-server aware;
#   each button's caption contrasts with its face by at least 4.5:1, in the style Qt picks on
#   Windows (windowsvista) and in the plain "windows" style;
#   on Windows 7 the setup program refuses, with its message box, and writes nothing;
#   the setup program installs silently; the installed program starts and saves a byte-identical
#   script into a Steam-like game directory (spaces and parentheses in the path); the Start menu
#   shortcut and the "Apps & features" entry are there; the uninstaller, silent too, removes every
#   file, the shortcut and the entry, and the folder with them.
# It needs the long Qt build of cross-build.sh: CI runs it where that build is cached
# (tests/stages/45-windows.sh).
#
# Usage: dbus-run-session -- tests/windows/check-under-wine.sh [WINDOWS_BUILD_DIR [LINUX_PROGRAM]]
#   WINDOWS_BUILD_DIR  cross-build.sh's output (default build-windows/)
#   LINUX_PROGRAM      the Linux program for the comparison (default build/app/vezuvazov)
# Environment: VEZUVAZOV_SHOTS  a folder for screenshots of the windows under Wine (none if unset)
#              E2E_FACTS        the Linux build's program_facts (default build/tests/e2e/...)
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=${1:-$repo/build-windows}
linux_program=${2:-$repo/build/app/vezuvazov}
exe=$out/vezuvazov-windows/vezuvazov.exe
core_tests=$out/build/tests/script_tests.exe
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt")
setup=$out/vezuvazov-$version-setup.exe

# shellcheck source=tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"
# shellcheck disable=SC2034  # read by the helpers of lib.sh
E2E_TIMEOUT=60 # Wine's first start makes its prefix: far slower than a Linux program's start.
export E2E_FACTS=${E2E_FACTS:-$repo/build/tests/e2e/program_facts}

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
for f in "$exe" "$core_tests" "$setup" "$linux_program" "$WINE"; do
  [[ -e "$f" ]] || fail "missing: $f (run dist/windows/cross-build.sh and ./build.sh first)"
done
for tool in wrestool icotool strings /usr/bin/python3 convert x86_64-w64-mingw32-objdump; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (./build.sh test installs it)"
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

# The client area's offset in the X window of a window that Wine frames itself (there is no window
# manager), whose client area is as large as the Linux program's window of its title: prints the X
# offset and the Y offset.
client_offset() {
  local wid=$1 client_w client_h border
  window_geometry "$wid"
  locate "$wid" "$(xdotool getwindowname "$wid")" \
    || fail "no window of window $wid's title was seen"
  IFS=, read -r _ _ client_w client_h <<<"$AT_RECT"
  border=$(((WIDTH - client_w) / 2))
  echo "$border $((HEIGHT - client_h - border))"
}

# Clicks a control of the save window, whose X window holds Wine's frame too.
click_save() {
  local dx dy
  read -r dx dy < <(client_offset "$1")
  locate "$1" "$2" || fail "window $1 has no control \"$2\""
  xdotool mousemove --window "$1" $((AT_X + dx)) $((AT_Y + dy)) click 1
}

save_to() {
  replace_text "$1" "$DIRECTORY_BOX" "$2" click_save
  click_save "$1" "$OK_BUTTON"
}

shot() {
  [[ -n "${VEZUVAZOV_SHOTS:-}" ]] || return 0
  mkdir -p "$VEZUVAZOV_SHOTS"
  import -window "$1" "$VEZUVAZOV_SHOTS/$2.png" && log "screenshot $VEZUVAZOV_SHOTS/$2.png"
}

start_wine_app() {
  "$WINE" "$1" </dev/null >>"$E2E_WORK/app.log" 2>&1 &
  E2E_APP_PID=$!
  log "$(basename "$1") started under Wine, pid $E2E_APP_PID"
}

# The Qt style the next programs start with. Wine hands them no QT_* variable of the Unix
# environment: it goes into the Windows user's environment instead.
use_qt_style() {
  "$WINE" reg add 'HKCU\Environment' /v QT_STYLE_OVERRIDE /t REG_SZ /d "$1" /f >/dev/null 2>&1 \
    || fail "could not set the Qt style $1"
}

# The Windows version Wine reports to the next programs (win7, win10, ...), as winecfg sets it.
windows_version() {
  "$WINE" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$1" /f >/dev/null 2>&1 \
    || fail "could not make Wine say $1"
}

# Sets RECTS to "NAME=X,Y,W,H" for each push button of the window $1, in client pixels, as the
# Linux program lays it out and tells screen readers; the Windows program lays out its windows
# alike.
button_rects() {
  local title key
  title=$(xdotool getwindowname "$1")
  locate "$1" "$title" || fail "AT-SPI shows no window \"$title\""
  RECTS=()
  for key in "${!E2E_ROLES[@]}"; do
    [[ $key != "$title/"* || ${E2E_ROLES[$key]} != ROLE_PUSH_BUTTON ]] \
      || RECTS+=("${key#"$title/"}=${E2E_CONTROLS[$key]}")
  done
  ((${#RECTS[@]} > 0)) || fail "window \"$title\" has no push button"
}

# Fails unless every button of the window $1 reads at 4.5:1 or better: $2 names its picture, $3
# and $4 give its client area's offset in its X window, the buttons follow.
expect_readable_buttons() {
  local wid=$1 name=$2 dx=$3 dy=$4 picture=$E2E_WORK/$2.png rects=() b measured
  shift 4
  for b in "$@"; do
    local rect=${b#*=} x y w h
    IFS=, read -r x y w h <<<"$rect"
    rects+=("${b%%=*}=$((x + dx)),$((y + dy)),$w,$h")
  done
  # Debian's Python, which has python3-pil, whatever other python3 comes first on PATH. A window
  # just mapped may not be painted yet, and under Wine on a busy machine it was seen black
  # for over two seconds: pictures for up to ten seconds before the verdict.
  local tries=20
  until import -window "$wid" "$picture" \
    && measured=$("$repo/build/tests/ui/button_contrast" "$picture" "${rects[@]}"); do
    ((--tries > 0)) || fail "a button of $name is hard to read (below 4.5:1): ${measured//$'\n'/; }"
    sleep 0.5
  done
  echo "   $name: ${measured//$'\n'/$'\n'   $name: }"
  [[ -z "${VEZUVAZOV_SHOTS:-}" ]] || { mkdir -p "$VEZUVAZOV_SHOTS"; cp "$picture" "$VEZUVAZOV_SHOTS/"; }
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
button_rects "$MAIN"
MAIN_BUTTONS=("${RECTS[@]}")
create_script "$MAIN"
button_rects "$SAVE"
SAVE_BUTTONS=("${RECTS[@]}")
save_into "$SAVE" "$LINUX_GAME"
exit_program "$MAIN"
expected_scripts 1 >"$E2E_WORK/one.expected"
expect_same_bytes "$LINUX_GAME/cstrike/MyScript.cfg" "$E2E_WORK/one.expected"
log "Linux program saved MyScript.cfg"

# ---- The Windows program under Wine.
WIN_GAME="$WINEPREFIX/drive_c/game"
mkdir -p "$WIN_GAME/cstrike" "$WINEPREFIX/drive_c/nogame"
start_wine_app "$exe"
MAIN1=$(wait_window "$MAIN_TITLE")
log "main window $MAIN1"
# The main window has no frame: its X window is its client area, as large as the Linux program's.
window_geometry "$MAIN1"
locate "$MAIN1" "$MAIN_TITLE" || fail "the Linux program's main window was not seen"
IFS=, read -r _ _ w h <<<"$AT_RECT"
[[ "${WIDTH}x$HEIGHT" == "${w}x$h" ]] || fail "main window is ${WIDTH}x$HEIGHT, expected ${w}x$h"
# Wine shows the tool-window style to X as the skip-taskbar state.
xprop -id "$MAIN1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR \
  || fail "main window is in the task bar: $(xprop -id "$MAIN1" _NET_WM_STATE)"
log "main window: client ${w}x$h, not in the task bar"
log "button contrast in Qt's default style for Windows (windowsvista):"
expect_readable_buttons "$MAIN1" main-windowsvista 0 0 "${MAIN_BUTTONS[@]}"
shot "$MAIN1" main-window
shot root screen-start

click "$MAIN1" "$CREATE_BUTTON"
SAVE=$(wait_window "$SAVE_TITLE")
MAIN2=$(wait_window "$MAIN_TITLE" "$MAIN1")
log "save window $SAVE, new main window $MAIN2"
shot root screen-save-window

read -r sdx sdy < <(client_offset "$SAVE")
expect_readable_buttons "$SAVE" save-windowsvista "$sdx" "$sdy" "${SAVE_BUTTONS[@]}"

# A directory without cstrike: "Not Saved", nothing written, the save window stays.
save_to "$SAVE" 'C:\nogame'
BOX=$(wait_window "$NOT_SAVED_BOX")
shot "$BOX" not-saved-box
is_visible "$SAVE_TITLE" "$SAVE" || fail "the save window closed on a failed save"
expect_files "$WINEPREFIX/drive_c/nogame"
answer_box "$NOT_SAVED_BOX"

# The game directory under C:.
save_to "$SAVE" 'C:\game'
answer_box "$FINISHED_BOX"
expect_files "$WIN_GAME" cstrike/MyScript.cfg
expect_same_bytes "$WIN_GAME/cstrike/MyScript.cfg" "$LINUX_GAME/cstrike/MyScript.cfg"
log "C:\\game\\cstrike\\MyScript.cfg is byte-identical to the Linux program's file"

exit_program "$MAIN2"

# ---- On Windows 7 the setup program says why it cannot install, and installs nothing: silent, it
# ends in failure; with its window, its message box comes first. Then Windows 10 again, named:
# without a version of its own Wine keeps reporting the last one it was set to.
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vezuvazov'
INSTALLED="$WINEPREFIX/drive_c/Program Files/Vezuvazov"
SETUP_TITLE='Vezuvazov Setup'
no_uninstall_entry() { ! "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1; }
windows_version win7
! "$WINE" "$setup" /S || fail "the setup program installed on Windows 7"
start_wine_app "$setup"
BOX=$(wait_window "$SETUP_TITLE")
shot "$BOX" setup-on-windows-7
answer_box "$SETUP_TITLE"
expect_exit_code 2
[[ ! -e "$INSTALLED" ]] || fail "the setup program wrote $INSTALLED on Windows 7"
no_uninstall_entry || fail "the setup program wrote its entry on Windows 7"
log "on Windows 7 the setup program refused with a message and wrote nothing"
windows_version win10

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
use_qt_style windows
start_wine_app "$INSTALLED/vezuvazov.exe"
# The first program has ended: its window ids may serve the new one.
MAIN3=$(wait_window "$MAIN_TITLE")
log "button contrast in Qt's \"windows\" style:"
expect_readable_buttons "$MAIN3" main-windows 0 0 "${MAIN_BUTTONS[@]}"
click "$MAIN3" "$CREATE_BUTTON"
SAVE=$(wait_window "$SAVE_TITLE")
MAIN4=$(wait_window "$MAIN_TITLE" "$MAIN3")
read -r sdx sdy < <(client_offset "$SAVE")
expect_readable_buttons "$SAVE" save-windows "$sdx" "$sdy" "${SAVE_BUTTONS[@]}"
save_to "$SAVE" "$STEAM"
answer_box "$FINISHED_BOX"
expect_same_bytes "$STEAM_GAME/cstrike/MyScript.cfg" "$LINUX_GAME/cstrike/MyScript.cfg"
log "$STEAM\\cstrike\\MyScript.cfg is byte-identical to the Linux program's file"
exit_program "$MAIN4"

# ---- The silent uninstaller (it runs from a copy of itself, so its end is awaited by its work).
quiet=$(sed -n 's/^ *QuietUninstallString *REG_SZ *//p' <<<"$entry")
uninstaller=${quiet#\"}
read -ra arguments <<<"${uninstaller#*\" }"
"$WINE" "${uninstaller%%\"*}" "${arguments[@]}"
wait_until "" not test -e "$INSTALLED" || fail "the uninstaller left: $(find "$INSTALLED")"
[[ ! -e "$SHORTCUT" ]] || fail "the uninstaller left the Start menu shortcut"
no_uninstall_entry || fail "the uninstaller left the uninstall entry"
log "uninstalled silently: no file, shortcut or entry left"
e2e_pass
