#!/usr/bin/env bash
# The connected program's idle cost against its yardstick, page by page: the same windows showing
# the same values at the same moments with no link (bench_idle_reference replaying a trace that
# bench_live_trace recorded from the program connected to the test relay).
#
#   bench/idle_reference/run_idle_ratio.sh [RUNS] [SECONDS] [BUILD_DIR] [PAGE...]
#       defaults: 5 runs, a 20 s span, build, the pages actual settings recorder spectrum
#
# Per page, RUNS pairs are run interleaved (program, then yardstick), each a fresh process: the
# program connects to a fresh relay-sim (--whole unless RELAY_MODE=bytes), selects the page (on
# the Recorder page it ticks every channel group, so all 120 traces are drawn), and idles; the
# yardstick selects the page and replays. Over the same span of each (after 2 s on the page) it
# takes the CPU time of all threads (sum_exec_runtime of /proc/<pid>/task/*/schedstat, in ns, so
# no clock-tick steps) and the wake-ups (voluntary context switches). Prints min / median / max
# of each, as % of one core and per second, and the ratio program / yardstick: of the medians,
# and min / median / max of the pairs. VUMA_FRONTEND / VUMA_RELAY_SIM point it at other builds of
# the program; the yardstick and the trace come from BUILD_DIR. With VUMA_FRONTEND_BEFORE set to
# another build of the program, each round runs that one too (before, program, yardstick), so a
# change is measured against the same yardstick runs.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=${1:-5}
seconds=${2:-20}
build=$(cd "${3:-$root/build}" && pwd)
shift $(( $# < 3 ? $# : 3 ))
pages=("$@")
(( ${#pages[@]} )) || pages=(actual settings recorder spectrum)

source "$root/bench/lib/display.sh"
with_display "$0" "$runs" "$seconds" "$build" "${pages[@]}"

source "$root/bench/lib/processes.sh"
tracer=$build/bench/idle_reference/bench_live_trace
reference=$build/bench_idle_reference
for f in "$tracer" "$reference"; do
  [[ -x $f ]] || { echo "missing $f: build with -DVUMA_WITH_QT=ON" >&2; exit 1; }
done
mode=${RELAY_MODE:-whole}

# CPU nanoseconds and wake-ups of every thread: "tid ns switches" lines.
counters() {
  local t
  for t in "/proc/$1/task/"*; do
    local ns sw
    { read -r ns _ <"$t/schedstat"; } 2>/dev/null || continue
    sw=$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "$t/status" 2>/dev/null) || continue
    echo "${t##*/} $ns $sw"
  done
}
# "cpu% wakeups/s" between two counter snapshots over span_ns, threads alive at both.
rates() {
  awk -v span="$3" 'NR == FNR { a[$1] = $2; w[$1] = $3; next }
    ($1 in a) { c += $2 - a[$1]; s += $3 - w[$1] }
    END { printf "%.3f %.1f\n", 100 * c / span, s / (span / 1e9) }' \
    <(printf '%s\n' "$1") <(printf '%s\n' "$2")
}

# Script of a run; the span lies between its "wait 1" and "wait 1500" lines.
script_for() {
  local page=$1 connect=$2
  {
    if [[ $connect == yes ]]; then
      echo 'key F6'
      echo 'until Form1.StatusBar1 panel:0 contains Connected. 30000'
      echo 'until FrmProgress visible = false 120000'
    fi
    echo "tab Form1.ts${page^}"
    # The yardstick's trace holds the ticked boxes and the traces they show.
    if [[ $page == recorder && $connect == yes ]]; then
      for g in DF_Inp ExtDF_Inp Rel ExtRel PLC_Inp Cntr Tmr LF_ Latch Other AF TF RTD; do
        echo "click Form1.cb_Rec${g}Vis"
      done
    fi
    echo 'wait 2000'
    echo 'wait 1'
    echo "wait $((seconds * 1000))"
    echo 'wait 1500'
    echo 'quit'
  } >"$scratch/script.txt"
}

# One run; prints "cpu% wakeups/s" of the span, or "failed".
measure() {
  local start_line end_line
  start_line=$(grep -n '^wait 1$' "$scratch/script.txt" | cut -d: -f1)
  end_line=$(grep -n '^wait 1500$' "$scratch/script.txt" | cut -d: -f1)
  if ! await "^E2E $start_line: wait"; then
    echo "did not reach the span:" >&2; tail -5 "$scratch/front.err" >&2; stop_all; echo failed; return
  fi
  local a b a_ns b_ns
  a_ns=$(now_ns) a=$(counters "$front_pid")
  if ! await "^E2E $end_line: wait"; then
    echo "ended in the span:" >&2; tail -5 "$scratch/front.err" >&2; stop_all; echo failed; return
  fi
  b_ns=$(now_ns) b=$(counters "$front_pid")
  wait "$front_pid" || true
  front_pid=''
  stop_all
  rates "$a" "$b" "$((b_ns - a_ns))"
}

# The program (or the build given as $2) on the page.
run_program() {
  script_for "$1" yes
  local args=()
  [[ $mode == whole ]] && args=(--whole)
  start_sim "${args[@]}"
  local keep=$front
  front=${2:-$front}
  start_front
  front=$keep
  measure
}

run_reference() {
  script_for "$1" no
  env VUMA_DRIVE_C="$scratch" VUMA_E2E_SCRIPT="$scratch/script.txt" \
    "$reference" "$scratch/trace-$1.txt" >"$scratch/front.out" 2>"$scratch/front.err" &
  front_pid=$!
  measure
}

stats() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "no runs"; exit }
    printf "%.3g / %.3g / %.3g", v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR] }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { printf "%s", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

printf "program: %s (relay-sim answers %s)\nyardstick: %s\n" "$front" "$mode" "$reference"
printf "span %s s, %s interleaved pairs a page; load average at start: %s\n" "$seconds" "$runs" "$(cut -d' ' -f1-3 /proc/loadavg)"
for page in "${pages[@]}"; do
  if ! "$tracer" "$page" $((seconds + 8)) >"$scratch/trace-$page.txt" 2>"$scratch/trace.err"; then
    printf "%-9s no trace: %s\n" "$page" "$(cat "$scratch/trace.err")"
    continue
  fi
  pc=() pw=() rc=() rw=() ratio=() bc=() bw=() bratio=()
  for ((r = 0; r < runs; ++r)); do
    if [[ -n ${VUMA_FRONTEND_BEFORE:-} ]]; then
      read -r c0 w0 <<<"$(run_program "$page" "$VUMA_FRONTEND_BEFORE")"
    fi
    read -r c1 w1 <<<"$(run_program "$page")"
    read -r c2 w2 <<<"$(run_reference "$page")"
    [[ $c1 == failed || $c2 == failed ]] && continue
    pc+=("$c1") pw+=("$w1") rc+=("$c2") rw+=("$w2")
    ratio+=("$(awk -v a="$c1" -v b="$c2" 'BEGIN { printf "%.3f", a / b }')")
    if [[ -n ${VUMA_FRONTEND_BEFORE:-} && $c0 != failed ]]; then
      bc+=("$c0") bw+=("$w0")
      bratio+=("$(awk -v a="$c0" -v b="$c2" 'BEGIN { printf "%.3f", a / b }')")
    fi
  done
  (( ${#pc[@]} )) || { printf "%-9s no complete pair\n" "$page"; continue; }
  ratio_line() {  # label, program CPUs..., --, yardstick CPUs..., --, pair ratios...
    local label=$1; shift
    local -a a=() b=() q=()
    while [[ $1 != -- ]]; do a+=("$1"); shift; done; shift
    while [[ $1 != -- ]]; do b+=("$1"); shift; done; shift
    q=("$@")
    printf "%-9s %-9s ratio of medians %.2f; of the pairs %s   [%s]\n" "" "$label" \
      "$(awk -v x="$(printf '%s\n' "${a[@]}" | median)" -v y="$(printf '%s\n' "${b[@]}" | median)" 'BEGIN { print x / y }')" \
      "$(printf '%s\n' "${q[@]}" | stats)" "${q[*]}"
  }
  if (( ${#bc[@]} )); then
    printf "%-9s before    CPU %% %-22s wake-ups/s %s\n" "$page" "$(printf '%s\n' "${bc[@]}" | stats)" "$(printf '%s\n' "${bw[@]}" | stats)"
  fi
  printf "%-9s program   CPU %% %-22s wake-ups/s %s\n" "$page" "$(printf '%s\n' "${pc[@]}" | stats)" "$(printf '%s\n' "${pw[@]}" | stats)"
  printf "%-9s yardstick CPU %% %-22s wake-ups/s %s\n" "" "$(printf '%s\n' "${rc[@]}" | stats)" "$(printf '%s\n' "${rw[@]}" | stats)"
  (( ${#bc[@]} )) && ratio_line before "${bc[@]}" -- "${rc[@]}" -- "${bratio[@]}"
  ratio_line program "${pc[@]}" -- "${rc[@]}" -- "${ratio[@]}"
done
printf "load average at end: %s\n" "$(cut -d' ' -f1-3 /proc/loadavg)"
