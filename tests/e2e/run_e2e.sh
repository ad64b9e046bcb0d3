#!/usr/bin/env bash
# Runs the program with a script of user steps against relay-sim, then checks what the relay holds.
#   run_e2e.sh <vuma-frontend> <relay-sim> <script.e2e> <output folder>
#              <check: write|print[:N]|logic|records|script|comms|holds:...|relay-lines:<file of lines the relay must hold>
#                      |roundtrip:<relay revision>>
#              [relay-sim options...]
# By default the program runs on Qt's offscreen platform with a 1280 x 1024 screen, so that the
# main window has its full size; with E2E_WM=openbox it runs on Xvfb under that window manager,
# on a screen of E2E_SCREEN (e.g. 1366x768, a laptop's) when that is set.
set -euo pipefail
program=$1 relay=$2 script=$3 out=$4 check=$5
shift 5
rm -rf "$out"; mkdir -p "$out/drive_c"

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

"$relay" --dump "$out/relay-records.txt" "$@" > "$out/relay.path" 2> "$out/relay.log" &
relay_pid=$!
pids+=("$relay_pid")
for _ in $(seq 50); do [ -s "$out/relay.path" ] && break; sleep 0.1; done
pty=$(head -n1 "$out/relay.path")
[ -n "$pty" ] || { echo "relay-sim gave no terminal"; exit 1; }

# The script's snapshots land in the output folder; @SRC@ is the script's own folder.
src=$(cd "$(dirname "$script")" && pwd)
sed -e "s#@OUT@#$out#g" -e "s#@SRC@#$src#g" "$script" > "$out/script.e2e"
if [ "${E2E_WM:-}" = openbox ]; then
  # A real X server and window manager: what the window manager does to the windows is tested.
  exec 3> "$out/display"
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x1024}x24" -nolisten tcp 2> "$out/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$out/display" ] && break; sleep 0.1; done
  exec 3>&-
  export DISPLAY=":$(head -n1 "$out/display")"
  openbox --sm-disable > "$out/openbox.log" 2>&1 &
  pids+=($!)
  sleep 1  # openbox has taken the screen
  platform=xcb
elif [ -n "${QT_QPA_PLATFORM:-}" ] && [ "$QT_QPA_PLATFORM" != offscreen ]; then
  platform=$QT_QPA_PLATFORM
else
  printf '{"screens": [{"name": "E2E", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]}\n' > "$out/screen.json"
  platform="offscreen:configfile=$out/screen.json"
fi

status=0
# E2E_FILE_LIMIT_KB stands for a disk that fills: the program's writes past that size fail (the
# signal the limit would raise is ignored, so the write itself reports the failure).
(
  if [ -n "${E2E_FILE_LIMIT_KB:-}" ]; then
    ulimit -f "$E2E_FILE_LIMIT_KB"
    trap '' XFSZ
  fi
  QT_QPA_PLATFORM=$platform VUMA_SERIAL_PORTS="$pty" VUMA_DRIVE_C="$out/drive_c" \
    VUMA_SNAPSHOT_DIR="$out" VUMA_E2E_SCRIPT="$out/script.e2e" exec timeout 150 "$program"
) 2> "$out/program.log" || status=$?
kill $relay_pid; wait $relay_pid 2>/dev/null || true
cleanup
trap - EXIT
grep -E "^(E2E|BOX)" "$out/program.log" | tail -n 40
[ $status -eq 0 ] || { echo "program exited with $status"; exit 1; }
grep -q "E2E OK" "$out/program.log" || { echo "script did not finish"; exit 1; }

if [ "$check" = script ]; then
  echo "e2e passed"  # the script's own steps were the checks
  exit 0
fi

if [[ "$check" == relay-lines:* ]]; then
  # Lines the relay must hold when it stops; the clock lines are today's date (the script set
  # the relay's clock from the PC's).
  sed -e "s#@YEAR@#$((10#$(date +%y)))#" -e "s#@MONTH@#$((10#$(date +%m)))#" -e "s#@DAY@#$((10#$(date +%d)))#" \
    "${check#relay-lines:}" > "$out/expected-relay-lines.txt"
  while IFS= read -r want; do
    grep -qx "$want" "$out/relay-records.txt" || { echo "relay does not hold: $want"; exit 1; }
  done < "$out/expected-relay-lines.txt"
  echo "e2e passed"
  exit 0
fi

# A script that names what the relay must hold afterwards: "holds:<grid> <row> <value>", several
# joined by ";".
if [[ "$check" == holds:* ]]; then
  IFS=';' read -ra held <<< "${check#holds:}"
  for line in "${held[@]}"; do
    grep -qxF "$line" "$out/relay-records.txt" || {
      echo "relay does not hold '$line':"; grep "^${line% *} " "$out/relay-records.txt" || true; exit 1; }
  done
  echo "e2e passed"
  exit 0
fi

if [ "$check" = logic ]; then
  # The logic write reached the relay: timer A's 75 s (in 50 ms units) and counter B's reset input
  # 57; the other rows as the relay held them.
  for want in "StringGridRelLogRx 25 01500" "StringGridRelLogRx 46 057" "StringGridRelLogRx 27 007"; do
    grep -qx "$want" "$out/relay-records.txt" || {
      echo "relay does not hold '$want':"; grep "^StringGridRelLogRx " "$out/relay-records.txt"; exit 1; }
  done
  # The saved file holds the page's values.
  file="$out/drive_c/logic.set"
  [ -f "$file" ] || { echo "no settings file saved"; exit 1; }
  grep -q "|Timer A |.*| 0075 " "$file" || { echo "saved file lacks timer A's 75 s"; grep "|Timer" "$file"; exit 1; }
  grep -q "|Counter B |.*|Counter_B " "$file" || { echo "saved file lacks counter B's reset input"; exit 1; }
  echo "e2e passed"
  exit 0
fi

if [ "${check%%:*}" = print ]; then
  # The printouts (print:N for N of them, else one) went to PDFs in drive C: the text of each shows
  # the report's lines and the footers, and no temporary file is left beside them.
  want=1
  [ "$check" = print ] || want=${check#print:}
  mapfile -t pdfs < <(find "$out/drive_c" -name '*.pdf')
  [ "${#pdfs[@]}" -eq "$want" ] || { echo "${#pdfs[@]} PDFs printed, not $want"; exit 1; }
  if find "$out/drive_c" -name '*.tmp*' | grep .; then echo "temporary files left"; exit 1; fi
  for pdf in "${pdfs[@]}"; do
    pdftotext -layout -fixed 6 "$pdf" "$out/printout.txt"
    for text in "VUMA Settings" "File Rev : 02A" "Settings" "Logic Tables" "Real Time Clock" \
                "Temperature Warning Levels" "Location Selection And Feedback" \
                "| Start >>      |" "External Module Setting" "Page 1 of "; do
      grep -qF "$text" "$out/printout.txt" || { echo "printout $pdf lacks '$text'"; exit 1; }
    done
    # The last page's footer names it as the last.
    grep -qE "Page ([0-9]+) of \1\b" "$out/printout.txt" || { echo "printout $pdf lacks its last footer"; exit 1; }
  done
  echo "e2e passed"
  exit 0
fi

if [ "$check" = records ]; then
  # The fault export lists the relay's 35 records; the event export holds its head and 50 events,
  # the newest first, each numbered 1400 minus the event's own number.
  faults="$out/drive_c/faults.xls" events="$out/drive_c/events.xls"
  [ "$(wc -l < "$faults")" -eq 103 ] || { echo "fault export has $(wc -l < "$faults") lines"; exit 1; }
  grep -q $'^  35\t Actual\t 2024/12/08  \t 11h35\t  Single Phasing\t135\t120\t380\r$' "$faults" || {
    echo "fault export lacks record 35"; sed -n 40,43p "$faults"; exit 1; }
  [ "$(wc -l < "$events")" -eq 55 ] || { echo "event export has $(wc -l < "$events") lines"; exit 1; }
  sed -n 6p "$events" | grep -q $'^1350\tAlarm\t2024/03/23\t02h50\tEL OC VStal \t\t550\t100\t390\r$' || {
    echo "event export's first event:"; sed -n 6p "$events" | cat -A; exit 1; }
  echo "e2e passed"
  exit 0
fi

if [[ "$check" == roundtrip:* ]]; then
  # The file saved after opening the first is the first, byte for byte, but for the date and the
  # time in header line 4; the header names the relay's revision and the value legends close it.
  first="$out/drive_c/first.set" second="$out/drive_c/second.set"
  for f in "$first" "$second"; do [ -s "$f" ] || { echo "no $(basename "$f") saved"; exit 1; }; done
  mask() { LC_ALL=C sed -E '4s/^(.{8}).{10}(.{8}).{5}/\1yyyy-mm-dd\2hhhmm/' "$1"; }
  mask "$first" > "$out/first.masked"; mask "$second" > "$out/second.masked"
  cmp -s "$out/first.masked" "$out/second.masked" || {
    echo "the round trip changed the file:"; diff "$out/first.masked" "$out/second.masked" | head -n 20; exit 1; }
  sed -n 4p "$first" | grep -q " Revision : ${check#roundtrip:}" || { echo "header line 4:"; sed -n 4p "$first"; exit 1; }
  [ "$(tail -n 1 "$first")" = "$(printf ' %-90s\r' PLC_Input_16)" ] || { echo "the file does not end with the legends"; exit 1; }
  echo "e2e passed ($(wc -l < "$first") lines)"
  exit 0
fi

if [ "$check" = comms ]; then
  # The comms write reached the relay: protocol, address and the two register codes in its block,
  # and the protocol in its comms record.
  for line in "CommsDataBlock 0 2" "CommsDataBlock 1 17" "CommsDataBlock 34 5" "CommsDataBlock 66 47" \
              "StringGridRelCommsRx 2 002"; do
    grep -qx "$line" "$out/relay-records.txt" || { echo "relay does not hold '$line'"; exit 1; }
  done
  echo "e2e passed"
  exit 0
fi

# The settings write reached the relay: it now holds the typed unbalance trip level.
grep -qx "StrGridRelSetRX 5 025" "$out/relay-records.txt" || {
  echo "relay does not hold the written value:"; grep "^StrGridRelSetRX 5 " "$out/relay-records.txt"; exit 1; }
echo "e2e passed"
