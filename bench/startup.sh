#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the program against two floors, measured side by side in one run under Xvfb (black
# root, no window manager): a bare Qt window of the main window's size, and content_floor, the main
# window's content made the plainest way. For each: time from process start to the first painted
# pixels of the first window, the processor time used by then, and peak resident memory once
# started. The three run interleaved, each run in the next order of a rotation, so that a noisy
# machine weighs on all alike. Where valgrind is installed, callgrind then counts each one's
# instructions to its first paint, all threads together: a figure that load does not move.
#   bench/startup.sh [BUILD_DIR [RUNS]]     (defaults: build, 21)
# Needs xvfb and a build with the bench targets (bare_window, content_floor, first_paint) and
# vezuvazov.
set -euo pipefail

# The figures are taken on an X server of their own, with a black root: the timer waits for the
# first pixel that is not black. -noreset: else the server resets whenever its last client leaves.
screen=1280x1024x24
if [[ -z "${STARTUP_XVFB:-}" ]]; then
  STARTUP_XVFB=1 exec xvfb-run -a -s "-screen 0 $screen -br -nolisten tcp -noreset" "$0" "$@"
fi

build=${1:-build}
runs=${2:-21}
settle_ms=1000  # after the first paint, time for whatever start-up still does before RSS is read
min_runs=15
bare_limit=1.25   # first paint, program / bare window
memory_limit=1.3  # peak RSS, program / bare window
floor_limit=1.05  # first paint, processor time and peak RSS, program / content floor

program=$build/app/vezuvazov
bare=$build/bench/bare_window
floor=$build/bench/content_floor
timer=$build/bench/first_paint
for f in "$program" "$bare" "$floor" "$timer"; do
  [[ -x "$f" ]] || { echo "startup.sh: $f not built (cmake --build $build)" >&2; exit 2; }
done
((runs >= min_runs)) || echo "startup.sh: fewer than $min_runs runs: the medians are rough" >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
mkdir -p "$work/out"
load=$(cut -d ' ' -f 1-3 /proc/loadavg)

measure() {  # NAME PROGRAM
  "$timer" "$settle_ms" "$2" >>"$work/out/$1" 2>>"$work/err" || { cat "$work/err" >&2; exit 1; }
}

# One unmeasured start of each fills the file caches.
names=(bare floor program)
declare -A path=([bare]=$bare [floor]=$floor [program]=$program)
for name in "${names[@]}"; do "$timer" 0 "${path[$name]}" >/dev/null; done
for i in $(seq 0 $((runs - 1))); do
  for k in 0 1 2; do
    name=${names[$(((i + k) % 3))]}
    measure "$name" "${path[$name]}"
  done
done

# The first paint ends the first flush of a window's backing store.
instructions() {  # NAME PROGRAM
  local out=$work/callgrind-$1 pid
  mkdir -p "$out"
  valgrind --tool=callgrind --dump-after='QWidgetRepaintManager::paintAndFlush*' \
    --callgrind-out-file="$out/cg.%p" "$2" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 600); do compgen -G "$out/cg.*.1" >/dev/null && break; sleep 0.1; done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  echo "instructions=$(sed -n 's/^totals: //p' "$out"/cg.*.1 2>/dev/null | head -n 1)" \
    >>"$work/out/$1"
}

median() {  # FILE FIELD
  sed -n "s/.*$2=\([0-9.]*\).*/\1/p" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
# Debian 13 names the package libqt6core6t64.
qt=$(dpkg-query -W -f='${Version}\n' 'libqt6core6*' 2>/dev/null | grep -m 1 .)

echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores; Qt ${qt:-unknown}; Xvfb $screen"
echo "Medians of $runs interleaved runs; load average before them: $load"
echo
echo "| | bare Qt window | content floor | vezuvazov | / floor | / bare | targets |"
echo "|---|---|---|---|---|---|---|"
row() {  # TITLE FIELD UNIT DIVISOR BARE_TARGET
  local b f p
  b=$(median "$work/out/bare" "$2")
  f=$(median "$work/out/floor" "$2")
  p=$(median "$work/out/program" "$2")
  awk -v t="$1" -v u="$3" -v d="$4" -v b="$b" -v f="$f" -v p="$p" -v fl="$floor_limit" \
    -v bl="$5" 'BEGIN {
      targets = sprintf("%.2fx floor", fl)
      if (bl != "") targets = targets sprintf(", %.2fx bare", bl)
      printf "| %s | %.1f %s | %.1f %s | %.1f %s | %.2fx | %.2fx | %s |\n",
        t, b / d, u, f / d, u, p / d, u, p / f, p / b, targets
    }'
}
row "start to first paint" first_paint_ms ms 1 "$bare_limit"
row "processor time to first paint" cpu_ms ms 1 ""
row "peak resident memory" peak_rss_kib MiB 1024 "$memory_limit"
if command -v valgrind >/dev/null; then
  for name in "${names[@]}"; do instructions "$name" "${path[$name]}"; done
  row "instructions to first paint (callgrind)" instructions M 1000000 ""
fi
