#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the program against the floor, a bare Qt window of the main window's size, measured
# side by side in one run under Xvfb (black root, no window manager): time from process start to
# the first painted pixels of the first window, the processor time used by then, and peak
# resident memory once started. The two
# run interleaved, in alternating order, so that a noisy machine weighs on both alike.
#   bench/startup.sh [BUILD_DIR [RUNS]]     (defaults: build, 15)
# Needs Xvfb and a build with the bench targets (bare_window, first_paint) and vezuvazov.
set -euo pipefail

build=${1:-build}
runs=${2:-15}
settle_ms=1000  # after the first paint, time for whatever start-up still does before RSS is read
min_runs=15
bare_limit=1.25   # first paint, program / bare window
memory_limit=1.3  # peak RSS, program / bare window

program=$build/app/vezuvazov
bare=$build/bench/bare_window
timer=$build/bench/first_paint
for f in "$program" "$bare" "$timer"; do
  [[ -x "$f" ]] || { echo "startup.sh: $f not built (cmake --build $build)" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "startup.sh: Xvfb is not installed" >&2; exit 2; }
((runs >= min_runs)) || echo "startup.sh: fewer than $min_runs runs: the medians are rough" >&2

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset: without it the server resets whenever its last client leaves, and each start pays it.
for n in $(seq 150 180); do
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -br -nolisten tcp -noreset -displayfd 3 3>"$work/fd" \
    </dev/null >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s "$work/fd" ]] && break; sleep 0.05; done
  [[ -s "$work/fd" ]] && break
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[[ -n "$xvfb_pid" ]] || { echo "startup.sh: no free X display" >&2; exit 1; }
export DISPLAY=:$n QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
mkdir -p "$work/out"
chmod 700 "$work"

measure() {  # NAME PROGRAM
  "$timer" "$settle_ms" "$2" >>"$work/out/$1" 2>>"$work/err" || { cat "$work/err" >&2; exit 1; }
}

# One unmeasured start of each fills the file caches.
"$timer" 0 "$bare" >/dev/null
"$timer" 0 "$program" >/dev/null
for i in $(seq "$runs"); do
  if ((i % 2)); then
    measure bare "$bare"
    measure program "$program"
  else
    measure program "$program"
    measure bare "$bare"
  fi
done

median() {  # FILE FIELD
  sed -n "s/.*$2=\([0-9.]*\).*/\1/p" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

paint_bare=$(median "$work/out/bare" first_paint_ms)
paint_prog=$(median "$work/out/program" first_paint_ms)
rss_bare=$(median "$work/out/bare" peak_rss_kib)
rss_prog=$(median "$work/out/program" peak_rss_kib)
cpu_bare=$(median "$work/out/bare" cpu_ms)
cpu_prog=$(median "$work/out/program" cpu_ms)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
qt=$(sed -n 's/^Version: //p' <(dpkg -s libqt6core6 2>/dev/null) | head -n 1)

echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores; Qt ${qt:-unknown}; Xvfb 1280x1024x24"
echo "Medians of $runs interleaved runs:"
echo
echo "| | bare Qt window | vezuvazov | ratio | target |"
echo "|---|---|---|---|---|"
awk -v pb="$paint_bare" -v pp="$paint_prog" -v rb="$rss_bare" -v rp="$rss_prog" \
  -v cb="$cpu_bare" -v cp="$cpu_prog" -v tl="$bare_limit" -v ml="$memory_limit" 'BEGIN {
    printf "| start to first paint | %.1f ms | %.1f ms | %.2fx | %.2fx |\n", pb, pp, pp / pb, tl
    printf "| processor time to first paint | %.1f ms | %.1f ms | %.2fx | |\n", cb, cp, cp / cb
    printf "| peak resident memory | %.1f MiB | %.1f MiB | %.2fx | %.2fx |\n", rb / 1024, rp / 1024, rp / rb, ml
  }'
