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

if [[ -z "${DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$seconds" "$build"
fi

front=$build/vuma-frontend
sim=$build/tools/relay-sim/relay-sim
for f in "$front" "$sim"; do
  [[ -x $f ]] || { echo "missing $f: build with -DVUMA_WITH_QT=ON" >&2; exit 1; }
done

scratch=$(mktemp -d)
sim_pid='' front_pid=''
cleanup() {
  [[ -n $front_pid ]] && kill "$front_pid" 2>/dev/null || true
  [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

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

mkfifo "$scratch/sim.out"
"$sim" >"$scratch/sim.out" 2>"$scratch/sim.err" &
sim_pid=$!
read -r pty <"$scratch/sim.out"
[[ -n $pty ]] || { echo "relay-sim gave no pty" >&2; cat "$scratch/sim.err" >&2; exit 1; }

# Ticks (utime+stime) of a process; the fields after the command name, which may hold blanks.
ticks() {
  local stat rest
  stat=$(<"/proc/$1/stat") || return 1
  rest=${stat##*) }
  read -r -a f <<<"$rest"
  echo $((f[11] + f[12]))
}
now_ns() { date +%s%N; }
hwm_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

VUMA_DRIVE_C=$scratch VUMA_SERIAL_PORTS=$pty VUMA_E2E_SCRIPT=$scratch/script.txt \
  "$front" >"$scratch/front.out" 2>"$scratch/front.err" &
front_pid=$!
start_ns=$(now_ns)

# Waits for a log line of the program's script; false when the program ended first.
await() {
  until grep -q -- "$1" "$scratch/front.err" 2>/dev/null; do
    kill -0 "$front_pid" 2>/dev/null || return 1
    sleep 0.01
  done
}

if ! await "^E2E 6: wait"; then
  echo "the program did not reach the connected span:" >&2
  cat "$scratch/front.err" >&2
  exit 1
fi
a_ns=$(now_ns) a_ticks=$(ticks "$front_pid") a_sim=$(ticks "$sim_pid")
connect_s=$(awk -v a="$a_ns" -v s="$start_ns" 'BEGIN { printf "%.2f", (a - s) / 1e9 }')

await "^E2E 7: wait" || { echo "the program ended during the span" >&2; cat "$scratch/front.err" >&2; exit 1; }
b_ns=$(now_ns) b_ticks=$(ticks "$front_pid") b_sim=$(ticks "$sim_pid")

await "^E2E 22: wait" || { echo "the program did not reach the Recorder span" >&2; cat "$scratch/front.err" >&2; exit 1; }
c_ns=$(now_ns) c_ticks=$(ticks "$front_pid")
await "^E2E 23: wait" || { echo "the program ended during the Recorder span" >&2; cat "$scratch/front.err" >&2; exit 1; }
d_ns=$(now_ns) d_ticks=$(ticks "$front_pid") hwm=$(hwm_kb "$front_pid")

wait "$front_pid" && rc=0 || rc=$?
front_pid=''
grep -q "^E2E OK" "$scratch/front.err" || { echo "script did not end well (exit $rc):" >&2; cat "$scratch/front.err" >&2; exit 1; }

hz=$(getconf CLK_TCK)
awk -v a="$a_ns" -v b="$b_ns" -v s="$start_ns" -v ta="$a_ticks" -v tb="$b_ticks" \
    -v sa="$a_sim" -v sb="$b_sim" -v hz="$hz" -v hwm="$hwm" -v conn="$connect_s" -v pty="$pty" \
    -v c="$c_ns" -v d="$d_ns" -v tc="$c_ticks" -v td="$d_ticks" 'BEGIN {
  span = (b - a) / 1e9
  printf "port:                      %s\n", pty
  printf "start to connected:        %s s (start-up, F6, full read)\n", conn
  printf "connected span:            %.2f s on the Actual page\n", span
  printf "program CPU in the span:   %.2f s = %.1f %% of one core\n", (tb - ta) / hz, 100 * (tb - ta) / hz / span
  printf "program CPU, whole run:    %.2f s in %.2f s\n", tb / hz, (b - s) / 1e9
  printf "relay-sim CPU in the span: %.1f %% of one core\n", 100 * (sb - sa) / hz / span
  rspan = (d - c) / 1e9
  printf "Recorder span:             %.2f s, all 120 channels shown\n", rspan
  printf "program CPU on Recorder:   %.2f s = %.1f %% of one core\n", (td - tc) / hz, 100 * (td - tc) / hz / rspan
  printf "program peak RSS (VmHWM):  %.1f MiB\n", hwm / 1024
}'
