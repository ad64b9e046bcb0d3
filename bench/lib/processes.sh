# Sourced by the benchmark scripts: the program and relay-sim as background processes, their
# clean-up, and the counters read from /proc. Expects `build` to be set; sets `front`, `sim`,
# `scratch`, `front_pid`, `sim_pid`, `pty`.

front=${VUMA_FRONTEND:-$build/vuma-frontend}
sim=${VUMA_RELAY_SIM:-$build/tools/relay-sim/relay-sim}
for f in "$front" "$sim"; do
  [[ -x $f ]] || { echo "missing $f: build with -DVUMA_WITH_QT=ON" >&2; exit 1; }
done

scratch=$(mktemp -d)
sim_pid='' front_pid='' pty=''
hz=$(getconf CLK_TCK)

# Ends the program and relay-sim of the current run (only these two, by their ids).
stop_all() {
  [[ -n $front_pid ]] && kill "$front_pid" 2>/dev/null || true
  [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null || true
  [[ -n $front_pid ]] && wait "$front_pid" 2>/dev/null || true
  [[ -n $sim_pid ]] && wait "$sim_pid" 2>/dev/null || true
  front_pid='' sim_pid=''
}
trap 'stop_all; rm -rf "$scratch"' EXIT

# Starts relay-sim with the given arguments and reads the pty it serves into `pty`.
start_sim() {
  rm -f "$scratch/sim.out" && mkfifo "$scratch/sim.out"
  "$sim" "$@" >"$scratch/sim.out" 2>"$scratch/sim.err" &
  sim_pid=$!
  read -r pty <"$scratch/sim.out" || true
  [[ -n $pty ]] || { echo "relay-sim gave no pty" >&2; cat "$scratch/sim.err" >&2; exit 1; }
}

# Starts the program on `pty` with the script $scratch/script.txt; extra VAR=value words go to
# its environment.
start_front() {
  env "$@" VUMA_DRIVE_C="$scratch" VUMA_SERIAL_PORTS="$pty" VUMA_E2E_SCRIPT="$scratch/script.txt" \
    "$front" >"$scratch/front.out" 2>"$scratch/front.err" &
  front_pid=$!
}

# Waits for a log line of the program's script; false when the program ended first.
await() {
  until grep -q -- "$1" "$scratch/front.err" 2>/dev/null; do
    kill -0 "$front_pid" 2>/dev/null || return 1
    sleep 0.01
  done
}

# Clock ticks (utime+stime, all threads) of a process; the fields after the command name, which
# may hold blanks.
ticks() {
  local stat rest
  stat=$(<"/proc/$1/stat") || return 1
  rest=${stat##*) }
  read -r -a f <<<"$rest"
  echo $((f[11] + f[12]))
}

# Wake-ups of a process: the voluntary context switches of each of its threads ("tid count"
# lines), a count that does not depend on how loaded the machine is. wakeups_between A B sums
# what the threads alive at both snapshots added, so a pool thread that ends does not count.
wakeups() {
  local t
  for t in "/proc/$1/task/"*; do
    awk -v tid="${t##*/}" '/^voluntary_ctxt_switches:/ { print tid, $2 }' "$t/status" 2>/dev/null || true
  done
}
wakeups_between() {
  awk 'NR == FNR { a[$1] = $2; next } ($1 in a) { s += $2 - a[$1] } END { print s + 0 }' \
    <(printf '%s\n' "$1") <(printf '%s\n' "$2")
}

now_ns() { date +%s%N; }
hwm_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }
