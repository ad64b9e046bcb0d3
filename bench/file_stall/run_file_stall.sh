#!/usr/bin/env bash
# The longest stall of the UI thread during each command that touches a file or the printer, with
# the folder the dialogs open in holding FILES other settings files.
#
#   bench/file_stall/run_file_stall.sh [RUNS] [FILES] [BUILD_DIR]     defaults: 3 0 build
#
# Each run is a fresh program connected to a fresh relay-sim (whole answers) on a pty, with the
# program's stall probe on ($VUMA_STALL_PROBE_MS: a 5 ms Qt timer that writes "STALL <ms>" to
# stderr whenever it comes that late). The script runs the commands one after another, each with
# its file dialog answered (as a user picking a file, after the dialog has been built and shown)
# and a quiet second after it:
#   save     F2, save the settings to a new file
#   resave   F2 onto that file again (the overwrite question answered yes)
#   open     F1, read that file (the file error window closed after)
#   verify   File > Verify, compare the relay's settings with that file (the box closed after)
#   faults   save the fault records (Faults page)
#   print    print the settings report; without a printer queue it becomes a PDF on drive C
# Prints, per command, the longest stall in ms (min / median / max over the runs), and the most
# CPU time the UI thread spent within one stall, the figure a machine busy with other work does
# not inflate (the probe's second field). Drive C is a
# scratch folder; with FILES > 0 it holds that many small settings files besides, so the dialogs
# list them. VUMA_FRONTEND / VUMA_RELAY_SIM point it at other builds.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=${1:-3}
files=${2:-0}
build=$(cd "${3:-$root/build}" && pwd)

source "$root/bench/lib/display.sh"
with_display "$0" "$runs" "$files" "$build"

source "$root/bench/lib/processes.sh"

commands=(save resave open verify faults print)

# The script; each command's span runs from its "# <name>" marker (a wait 1) to the next marker.
write_script() {
  local out=$scratch/drive
  cat >"$scratch/script.txt" <<SCRIPT
key F6
until Form1.StatusBar1 panel:0 contains Connected. 30000
until FrmProgress visible = false 120000
tab Form1.tsSettings
wait 1500
wait 1
key F2
file $out/saved.set
wait 1000
wait 1
key F2
file $out/saved.set
until box visible = true 3000
click box
wait 1000
wait 1
key F1
file $out/saved.set
until FrmFileDialog visible = true 5000
click FrmFileDialog.Button1
until FrmFileDialog visible = false 2000
wait 1000
wait 1
click Form1.VerifySettings
file $out/saved.set
until box visible = true 5000
click box
wait 1000
wait 1
tab Form1.tsFaults
click Form1.bSaveFaultRecs
file $out/faults.xls
wait 1000
wait 1
click Form1.SButPrintSet
dialog ok
wait 2000
wait 1
quit
SCRIPT
}

# Longest stall per command of the last run, one line: "save resave ... print" in order.
stalls_of_run() {
  local marks
  marks=$(grep -n '^wait 1$' "$scratch/script.txt" | cut -d: -f1 | tr '\n' ' ')
  awk -v marks="$marks" -v n="${#commands[@]}" '
    BEGIN { k = split(marks, m, " "); for (i = 1; i <= k; ++i) idx["E2E " m[i] ":"] = i; cur = 0 }
    $1 == "E2E" && ($1 " " $2) in idx { cur = idx[$1 " " $2]; next }
    cur >= 1 && cur <= n && $1 == "STALL" && $2 > s[cur] { s[cur] = $2 }
    cur >= 1 && cur <= n && $1 == "STALL" && $3 > c[cur] { c[cur] = $3 }
    / FAIL/ { fail = 1 }
    END {
      if (fail) { print "failed"; exit }
      for (i = 1; i <= n; ++i) printf "%.1f ", s[i] + 0
      for (i = 1; i <= n; ++i) printf "%.1f ", c[i] + 0
      print "" }
  ' "$scratch/front.err"
}

summary() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "no runs"; exit }
    printf "min %6.1f  median %6.1f  max %6.1f", v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR] }'
}

mkdir -p "$scratch/drive"
# The other settings files of the folder, each a few lines as a saved file starts.
for ((i = 0; i < files; ++i)); do
  printf 'VUMA settings file\r\nMLC 01 %03d\r\n' "$i" >"$scratch/drive/other$(printf %04d "$i").set"
done
write_script

results=()
for ((r = 0; r < runs; ++r)); do
  rm -f "$scratch/drive/saved.set" "$scratch/drive/faults.xls" "$scratch/drive/"*.pdf
  start_sim --whole
  # Drive C is the folder with the files; the run's own files stay outside it.
  front_pid=''
  env VUMA_STALL_PROBE_MS=3 VUMA_DRIVE_C="$scratch/drive" VUMA_SERIAL_PORTS="$pty" \
    VUMA_E2E_SCRIPT="$scratch/script.txt" "$front" >"$scratch/front.out" 2>"$scratch/front.err" &
  front_pid=$!
  wait "$front_pid" || true
  front_pid=''
  stop_all
  line=$(stalls_of_run)
  if [[ $line == failed ]]; then
    echo "run $r failed:" >&2
    grep -m3 'FAIL' "$scratch/front.err" >&2 || true
    continue
  fi
  results+=("$line")
done

printf "program: %s\nfiles in the folder besides: %s; %s runs; load average %s\n" "$front" "$files" "${#results[@]}" "$(cut -d' ' -f1-3 /proc/loadavg)"
echo "per command: the longest stall (ms of the clock), and the most UI-thread CPU in one stall (ms)"
nc=${#commands[@]}
for ((c = 0; c < nc; ++c)); do
  col=() cpu=()
  for line in "${results[@]}"; do
    read -r -a v <<<"$line"
    col+=("${v[c]}") cpu+=("${v[c + nc]}")
  done
  printf "%-8s clock %s   [%s]\n" "${commands[c]}" "$(printf '%s\n' "${col[@]}" | summary)" "${col[*]}"
  printf "%-8s cpu   %s   [%s]\n" "" "$(printf '%s\n' "${cpu[@]}" | summary)" "${cpu[*]}"
done
