#!/usr/bin/env bash
# Start-up time of vuma-frontend to its main window painted, against a bare Qt program painting a
# main window with as many plain widgets as the program's main window has controls.
#
#   bench/startup/run_startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 11)
#
# Each run is a whole process, from exec to exit: the program with VUMA_QUIT_ON_FIRST_PAINT=1
# quits once its main window has painted for the first time; the bare program quits the same
# way. Prints min / median / max of each and the ratio of the medians, for the wall clock and for
# the CPU time (user + system) of the process. Without a display
# it runs itself under xvfb-run (one X server for every run), or set QT_QPA_PLATFORM=offscreen.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-11}

source "$root/bench/lib/display.sh"
with_display "$0" "$build" "$runs"

front=$build/vuma-frontend
bare=$build/bench/startup/bench_bare_window
counter=$build/bench/startup/bench_count_controls
for f in "$front" "$bare" "$counter"; do
  [[ -x $f ]] || { echo "missing $f: build with -DVUMA_WITH_QT=ON" >&2; exit 1; }
done

# The program's files (passwords, settings) go to a scratch drive C, never the user's home.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export VUMA_DRIVE_C=$scratch

widgets=$("$counter" --main)

now_ns() { date +%s%N; }

# Milliseconds one run of the command takes, exec to exit; a failed run stops the benchmark.
# One whole run: "wall_us cpu_us", the CPU being the user and system time of the process, which
# a machine loaded by other work inflates far less than the wall clock.
time_once() {
  local t0 t1 cpu
  t0=$(now_ns)
  if ! cpu=$( { TIMEFORMAT='%U %S'; time "$@" >/dev/null 2>"$scratch/stderr"; } 2>&1 ); then
    echo "run failed: $*" >&2
    cat "$scratch/stderr" >&2
    exit 1
  fi
  t1=$(now_ns)
  echo "$(((t1 - t0) / 1000)) $(awk -v u="${cpu% *}" -v s="${cpu#* }" 'BEGIN { printf "%d", (u + s) * 1e6 }')"
}

median() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m/1000}'; }
spread() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "min %.1f  median %.1f  max %.1f", a[1]/1000, m/1000, a[NR]/1000}'; }
column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }'; }

time_once env VUMA_QUIT_ON_FIRST_PAINT=1 "$front" >/dev/null
time_once "$bare" "$widgets" >/dev/null

front_runs=() bare_runs=()
for ((i = 0; i < runs; ++i)); do
  # Interleaved, so a slow moment of the machine weighs on both.
  front_runs+=("$(time_once env VUMA_QUIT_ON_FIRST_PAINT=1 "$front")")
  bare_runs+=("$(time_once "$bare" "$widgets")")
done

echo "platform:             ${QT_QPA_PLATFORM:-xcb (DISPLAY=$DISPLAY)}"
echo "runs:                 $runs (whole process, exec to the first paint and exit)"
echo "main window controls: $widgets"
for c in 1 2; do
  what=$([[ $c == 1 ]] && echo "wall clock" || echo "CPU (user+system)")
  f=$(column "$c" "${front_runs[@]}" | median) b=$(column "$c" "${bare_runs[@]}" | median)
  echo "$what:"
  echo "  vuma-frontend:        $(column "$c" "${front_runs[@]}" | spread) ms"
  echo "  bare Qt ($widgets widgets): $(column "$c" "${bare_runs[@]}" | spread) ms"
  awk -v a="$f" -v b="$b" 'BEGIN { printf "  ratio:                %.2f\n", a / b }'
done
