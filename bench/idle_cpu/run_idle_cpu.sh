#!/usr/bin/env bash
# Idle CPU of the program, per case, and the longest stall of its UI thread while connected.
#
#   bench/idle_cpu/run_idle_cpu.sh [RUNS] [SECONDS] [BUILD_DIR] [CASE...]
#       defaults: 5 runs, a 20 s span, build, every case
#
# Cases (each run is a fresh program and a fresh relay-sim on a pseudo-terminal):
#   offline            not connected, main window idle for the span
#   actual-whole       connected, Actual page, relay-sim --whole (answers in one piece)
#   actual-bytes       connected, Actual page, answers byte by byte at 19200 baud
#   <page>-whole|bytes connected, that page of the main window (settings, spectrum, recorder, ...)
#   stall              connected, Settings page, answers byte by byte; during the span the
#                      settings are written three times; the program's stall probe
#                      ($VUMA_STALL_PROBE_MS) reports every late tick of the UI thread
# For the CPU cases the span's CPU (utime+stime of all threads, /proc/<pid>/stat) is printed as
# percent of one core, min / median / max over the runs. For the stall case the longest stall
# within the span, min / median / max over the runs. A page whose tab is hidden is reported so.
# Without a display it runs itself under xvfb-run.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=${1:-5}
seconds=${2:-20}
build=$(cd "${3:-$root/build}" && pwd)
shift $(( $# < 3 ? $# : 3 ))
cases=("$@")
(( ${#cases[@]} )) || cases=(offline actual-whole actual-bytes settings-whole settings-bytes spectrum-bytes recorder-bytes stall)

if [[ -z "${DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs" "$seconds" "$build" "${cases[@]}"
fi

front=${VUMA_FRONTEND:-$build/vuma-frontend}
sim=${VUMA_RELAY_SIM:-$build/tools/relay-sim/relay-sim}
for f in "$front" "$sim"; do
  [[ -x $f ]] || { echo "missing $f: build with -DVUMA_WITH_QT=ON" >&2; exit 1; }
done

scratch=$(mktemp -d)
sim_pid='' front_pid=''
stop_all() {
  [[ -n $front_pid ]] && kill "$front_pid" 2>/dev/null || true
  [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null || true
  [[ -n $front_pid ]] && wait "$front_pid" 2>/dev/null || true
  [[ -n $sim_pid ]] && wait "$sim_pid" 2>/dev/null || true
  front_pid='' sim_pid=''
}
trap 'stop_all; rm -rf "$scratch"' EXIT

ticks() {
  local stat rest
  stat=$(<"/proc/$1/stat") || return 1
  rest=${stat##*) }
  read -r -a f <<<"$rest"
  echo $((f[11] + f[12]))
}
now_ns() { date +%s%N; }
hz=$(getconf CLK_TCK)

# Waits for a log line of the program's script; false when the program ended first.
await() {
  until grep -q -- "$1" "$scratch/front.err" 2>/dev/null; do
    kill -0 "$front_pid" 2>/dev/null || return 1
    sleep 0.01
  done
}

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
  rm -f "$scratch/sim.out" && mkfifo "$scratch/sim.out"
  local simargs=()
  [[ $mode == whole ]] && simargs=(--whole)
  "$sim" "${simargs[@]}" >"$scratch/sim.out" 2>"$scratch/sim.err" &
  sim_pid=$!
  local pty
  read -r pty <"$scratch/sim.out"
  local probe=()
  [[ $kase == stall ]] && probe=(VUMA_STALL_PROBE_MS=3)
  env "${probe[@]}" VUMA_DRIVE_C="$scratch" VUMA_SERIAL_PORTS="$pty" VUMA_E2E_SCRIPT="$scratch/script.txt" \
    "$front" >"$scratch/front.out" 2>"$scratch/front.err" &
  front_pid=$!
  if ! await "^E2E $start_line: wait"; then
    if grep -q 'E2E FAIL.*tab' "$scratch/front.err"; then echo hidden; stop_all; return; fi
    echo "the program did not reach the span:" >&2; cat "$scratch/front.err" >&2; stop_all; echo failed; return
  fi
  local a_ns a_ticks b_ns b_ticks
  a_ns=$(now_ns) a_ticks=$(ticks "$front_pid")
  if ! await "^E2E $end_line: wait"; then
    echo "the program ended during the span:" >&2; cat "$scratch/front.err" >&2; stop_all; echo failed; return
  fi
  b_ns=$(now_ns) b_ticks=$(ticks "$front_pid")
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
    awk -v a="$a_ns" -v b="$b_ns" -v ta="$a_ticks" -v tb="$b_ticks" -v hz="$hz" \
      'BEGIN { printf "%.2f\n", 100 * (tb - ta) / hz / ((b - a) / 1e9) }'
  fi
}

summary() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "no runs"; exit }
    printf "min %6s  median %6s  max %6s  (%d runs)\n", v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR], NR }'
}

printf "program: %s\nspan %s s, %s runs per case; CPU in %% of one core, stall in ms\n" "$front" "$seconds" "$runs"
for kase in "${cases[@]}"; do
  values=()
  for ((r = 0; r < runs; ++r)); do
    v=$(run_once "$kase")
    [[ $v == hidden ]] && { values=(hidden); break; }
    [[ $v == failed ]] && continue
    values+=("$v")
  done
  if [[ ${values[0]:-} == hidden ]]; then
    printf "%-16s tab hidden in this build\n" "$kase"
  else
    printf "%-16s %s   [%s]\n" "$kase" "$(printf '%s\n' "${values[@]}" | summary)" "${values[*]}"
  fi
done
