#!/usr/bin/env bash
# How long the program takes to end once it is told to quit, with every page of the main window
# that shows by default built (each visited once): from the script's "quit" to the process's end.
#
#   bench/startup/run_exit.sh [RUNS] PROGRAM [PROGRAM...]      (default 7 runs)
#
# The programs are run in turn, RUNS rounds, so a slow moment of the machine weighs on each; prints
# min / median / max of the time to exit (ms) per program. Without a display it runs itself under
# xvfb-run.
set -euo pipefail
runs=${1:-7}
shift
(( $# )) || { echo "usage: $0 [RUNS] PROGRAM..." >&2; exit 2; }
source "$(dirname "$0")/../lib/display.sh"
with_display "$0" "$runs" "$@"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
{
  for t in Actual Settings Logic Starters RealTimeClock Faults Statistics Recorder Test Events \
    Calculator Spectrum ExtIO; do
    echo "tab Form1.ts$t"
  done
  echo 'wait 1000'
  echo 'quit'
} >"$scratch/script.txt"

# Milliseconds from the script's quit to the end of the process.
exit_ms() {
  VUMA_DRIVE_C="$scratch" VUMA_E2E_SCRIPT="$scratch/script.txt" "$1" 2>&1 >/dev/null |
    while IFS= read -r line; do [[ $line == *": quit" ]] && date +%s%N; done >"$scratch/quit"
  local end
  end=$(date +%s%N)
  echo $(( (end - $(head -1 "$scratch/quit")) / 1000000 ))
}

declare -A times
for ((r = 0; r < runs; ++r)); do
  for p in "$@"; do times[$p]+="$(exit_ms "$p") "; done
done
for p in "$@"; do
  printf '%s\n' ${times[$p]} | sort -n | awk -v p="$p" '{ v[NR] = $1 } END {
    printf "%-50s quit to exit, ms: min %d  median %d  max %d\n", p, v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR] }'
done
