#!/usr/bin/env bash
# CPU the program uses while connected to the simulated relay, first with the Actual page shown,
# then with the Recorder page shown and every channel group ticked (all 120 traces drawn), and its
# peak resident memory.
#
#   bench/connected_cpu/run_connected_cpu.sh [SECONDS] [BUILD_DIR]     (defaults: 60, build)
#
# Starts relay-sim, then vuma-frontend on its pty with an end-to-end script: F6, until the status
# bar says "Connected." and the progress window has closed, the Actual page, a span of SECONDS, a
# short tail, quit. The span is measured from the script's own log: utime+stime of the program
# (all its threads, from /proc/<pid>/stat) when the span's wait starts and when the tail's wait
# starts. Prints the span's CPU as percent of one core, the CPU of the whole run up to then,
# VmHWM, and relay-sim's share.
# Without a display it runs itself under xvfb-run.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${1:-60}
build=$(cd "${2:-$root/build}" && pwd)

source "$root/bench/lib/display.sh"
with_display "$0" "$seconds" "$build"

source "$root/bench/lib/processes.sh"

# The Actual span's wait is script line 6, the Recorder span's line 22; the wait after each marks
# its end.
cat >"$scratch/script.txt" <<SCRIPT
key F6
until Form1.StatusBar1 panel:0 contains Connected. 30000
until FrmProgress visible = false 120000
tab Form1.tsActual
expect Form1.tsActual active = true
wait $((seconds * 1000))
wait 1000
tab Form1.tsRecorder
click Form1.cb_RecDF_InpVis
click Form1.cb_RecExtDF_InpVis
click Form1.cb_RecRelVis
click Form1.cb_RecExtRelVis
click Form1.cb_RecPLC_InpVis
click Form1.cb_RecCntrVis
click Form1.cb_RecTmrVis
click Form1.cb_RecLF_Vis
click Form1.cb_RecLatchVis
click Form1.cb_RecOtherVis
click Form1.cb_RecAFVis
click Form1.cb_RecTFVis
click Form1.cb_RecRTDVis
wait $((seconds * 1000))
wait 1000
quit
SCRIPT

start_sim
start_front
start_ns=$(now_ns)

if ! await "^E2E 6: wait"; then
  echo "the program did not reach the connected span:" >&2
  cat "$scratch/front.err" >&2
  exit 1
fi
a_ns=$(now_ns) a_ticks=$(ticks "$front_pid") a_sim=$(ticks "$sim_pid") a_wake=$(wakeups "$front_pid")
connect_s=$(awk -v a="$a_ns" -v s="$start_ns" 'BEGIN { printf "%.2f", (a - s) / 1e9 }')

await "^E2E 7: wait" || { echo "the program ended during the span" >&2; cat "$scratch/front.err" >&2; exit 1; }
b_ns=$(now_ns) b_ticks=$(ticks "$front_pid") b_sim=$(ticks "$sim_pid") b_wake=$(wakeups "$front_pid")

await "^E2E 22: wait" || { echo "the program did not reach the Recorder span" >&2; cat "$scratch/front.err" >&2; exit 1; }
c_ns=$(now_ns) c_ticks=$(ticks "$front_pid")
await "^E2E 23: wait" || { echo "the program ended during the Recorder span" >&2; cat "$scratch/front.err" >&2; exit 1; }
d_ns=$(now_ns) d_ticks=$(ticks "$front_pid") hwm=$(hwm_kb "$front_pid")

wait "$front_pid" && rc=0 || rc=$?
front_pid=''
grep -q "^E2E OK" "$scratch/front.err" || { echo "script did not end well (exit $rc):" >&2; cat "$scratch/front.err" >&2; exit 1; }

awk -v a="$a_ns" -v b="$b_ns" -v s="$start_ns" -v ta="$a_ticks" -v tb="$b_ticks" \
    -v sa="$a_sim" -v sb="$b_sim" -v hz="$hz" -v hwm="$hwm" -v conn="$connect_s" -v pty="$pty" \
    -v c="$c_ns" -v d="$d_ns" -v tc="$c_ticks" -v td="$d_ticks" -v w="$(wakeups_between "$a_wake" "$b_wake")" 'BEGIN {
  span = (b - a) / 1e9
  printf "port:                      %s\n", pty
  printf "start to connected:        %s s (start-up, F6, full read)\n", conn
  printf "connected span:            %.2f s on the Actual page\n", span
  printf "program CPU in the span:   %.2f s = %.1f %% of one core\n", (tb - ta) / hz, 100 * (tb - ta) / hz / span
  printf "program wake-ups:          %.1f a second\n", w / span
  printf "program CPU, whole run:    %.2f s in %.2f s\n", tb / hz, (b - s) / 1e9
  printf "relay-sim CPU in the span: %.1f %% of one core\n", 100 * (sb - sa) / hz / span
  rspan = (d - c) / 1e9
  printf "Recorder span:             %.2f s, all 120 channels shown\n", rspan
  printf "program CPU on Recorder:   %.2f s = %.1f %% of one core\n", (td - tc) / hz, 100 * (td - tc) / hz / rspan
  printf "program peak RSS (VmHWM):  %.1f MiB\n", hwm / 1024
}'
