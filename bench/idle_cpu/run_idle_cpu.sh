#!/usr/bin/env bash
# Idle CPU of the program, per case, and the longest stall of its UI thread while connected.
#
#   bench/idle_cpu/run_idle_cpu.sh [RUNS] [SECONDS] [BUILD_DIR] [CASE...]
#       defaults: 5 runs, a 30 s span, build, every case
#
# Cases (each run is a fresh program and a fresh relay-sim on a pseudo-terminal):
#   offline            not connected, main window idle for the span
#   actual-whole       connected, Actual page, relay-sim --whole (answers in one piece)
#   actual-bytes       connected, Actual page, answers byte by byte at 19200 baud
#   <page>-whole|bytes connected, that page of the main window (settings, spectrum, recorder, ...);
#                      on the Recorder page every channel group is ticked (all 120 traces)
#   stall              connected, Settings page, answers byte by byte; during the span the
#                      settings are written three times; the program's stall probe
#                      ($VUMA_STALL_PROBE_MS) reports every late tick of the UI thread
# For the CPU cases the span's CPU (utime+stime of all threads, /proc/<pid>/stat) is printed as
# percent of one core, min / median / max over the runs, with the span's resolution (one clock
# tick), and the program's wake-ups per second (voluntary context switches of all its threads,
# which a loaded machine does not inflate). For the stall case the longest stall
# within the span, min / median / max over the runs. A page whose tab is hidden is reported so.
# Without a display it runs itself under xvfb-run.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=${1:-5}
seconds=${2:-30}
build=$(cd "${3:-$root/build}" && pwd)
shift $(( $# < 3 ? $# : 3 ))
cases=("$@")
(( ${#cases[@]} )) || cases=(offline actual-whole actual-bytes settings-whole settings-bytes spectrum-bytes recorder-bytes stall)

source "$root/bench/lib/display.sh"
with_display "$0" "$runs" "$seconds" "$build" "${cases[@]}"

source "$root/bench/lib/processes.sh"

# Writes the script of a case; the span is between the log lines of the two markers it prints.
script_for() {
  local kase=$1 page=${1%-*}
  {
    if [[ $kase != offline ]]; then
      echo 'key F6'
      echo 'until Form1.StatusBar1 panel:0 contains Connected. 30000'
      echo 'until FrmProgress visible = false 120000'
    fi
    case $kase in
      offline) echo 'wait 2000' ;;
      stall) echo 'tab Form1.tsSettings'; echo 'wait 2000' ;;
      recorder-*)
        # Every channel group ticked: all 120 traces drawn.
        echo 'tab Form1.tsRecorder'
        for g in DF_Inp ExtDF_Inp Rel ExtRel PLC_Inp Cntr Tmr LF_ Latch Other AF TF RTD; do
          echo "click Form1.cb_Rec${g}Vis"
        done
        echo 'wait 2000' ;;
      *) echo "tab Form1.ts${page^}"; echo 'wait 2000' ;;
    esac
    echo 'wait 1'  # span start
    if [[ $kase == stall ]]; then
      local each=$((seconds * 1000 / 3))
      for _ in 1 2 3; do
        echo 'click Form1.bTxSettings'
        echo 'until FrmProgress visible = false 60000'
        echo "wait $each"
      done
    else
      echo "wait $((seconds * 1000))"
    fi
    echo 'wait 1500'  # span end; the program stays a little longer so it can be sampled
    echo 'quit'
  } >"$scratch/script.txt"
}

# One run of a case; prints the figure (percent of a core, or the longest stall in ms), or a
# word when the case cannot run.
run_once() {
  local kase=$1 mode=bytes
  [[ $kase == *-whole ]] && mode=whole
  script_for "$kase"
  local start_line end_line
  start_line=$(grep -n '^wait 1$' "$scratch/script.txt" | cut -d: -f1)
  end_line=$(grep -n '^wait 1500$' "$scratch/script.txt" | tail -1 | cut -d: -f1)
  local simargs=()
  [[ $mode == whole ]] && simargs=(--whole)
  start_sim "${simargs[@]}"
  local probe=()
  [[ $kase == stall ]] && probe=(VUMA_STALL_PROBE_MS=3)
  start_front "${probe[@]}"
  if ! await "^E2E $start_line: wait"; then
    if grep -q 'E2E FAIL.*tab' "$scratch/front.err"; then echo hidden; stop_all; return; fi
    echo "the program did not reach the span:" >&2; cat "$scratch/front.err" >&2; stop_all; echo failed; return
  fi
  local a_ns a_ticks a_wake b_ns b_ticks b_wake
  a_ns=$(now_ns) a_ticks=$(ticks "$front_pid") a_wake=$(wakeups "$front_pid")
  if ! await "^E2E $end_line: wait"; then
    echo "the program ended during the span:" >&2; cat "$scratch/front.err" >&2; stop_all; echo failed; return
  fi
  b_ns=$(now_ns) b_ticks=$(ticks "$front_pid") b_wake=$(wakeups "$front_pid")
  wait "$front_pid" || true
  front_pid=''
  stop_all
  if [[ $kase == stall ]]; then
    awk -v s="E2E $start_line: " -v e="E2E $end_line: " '
      index($0, s) == 1 { on = 1; next }
      index($0, e) == 1 { on = 0 }
      on && $1 == "STALL" && $2 > m { m = $2 }
      END { printf "%.1f\n", m + 0 }' "$scratch/front.err"
  else
    awk -v a="$a_ns" -v b="$b_ns" -v ta="$a_ticks" -v tb="$b_ticks" -v hz="$hz" -v w="$(wakeups_between "$a_wake" "$b_wake")" \
      'BEGIN { span = (b - a) / 1e9; printf "%.2f %.1f\n", 100 * (tb - ta) / hz / span, w / span }'
  fi
}

summary() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "no runs"; exit }
    printf "min %6s  median %6s  max %6s  (%d runs)\n", v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR], NR }'
}

printf "program: %s\nspan %s s, %s runs per case; CPU in %% of one core, stall in ms\n" "$front" "$seconds" "$runs"
# CPU time is counted in clock ticks: one tick over the span is the finest step a figure can show.
awk -v hz="$hz" -v s="$seconds" 'BEGIN { printf "CPU resolution: %.3f %% of a core (one %d ms clock tick in %s s)\n", 100 / hz / s, 1000 / hz, s }'
echo "wake-ups: voluntary context switches of all the program's threads per second"
for kase in "${cases[@]}"; do
  cpu=() wake=() hidden=''
  for ((r = 0; r < runs; ++r)); do
    read -r v w <<<"$(run_once "$kase")"
    [[ $v == hidden ]] && { hidden=1; break; }
    [[ $v == failed ]] && continue
    cpu+=("$v")
    [[ -n ${w:-} ]] && wake+=("$w")
  done
  if [[ -n $hidden ]]; then
    printf "%-16s tab hidden in this build\n" "$kase"
    continue
  fi
  printf "%-16s %s   [%s]\n" "$kase" "$(printf '%s\n' "${cpu[@]}" | summary)" "${cpu[*]}"
  (( ${#wake[@]} )) && printf "%-16s %s   [%s]\n" "  wake-ups/s" "$(printf '%s\n' "${wake[@]}" | summary)" "${wake[*]}"
done
