#!/usr/bin/env bash
# Two builds' stalls of the file and printer commands, interleaved run by run: per round and per
# folder size, one run of run_file_stall.sh with the build before, then one with this build.
#
#   bench/file_stall/run_file_stall_pair.sh ROUNDS BEFORE_PROGRAM [BUILD_DIR]
#       FILE_COUNTS (default "0 1000"): the folder sizes, each run in every round
#
# Prints each run's output, then per folder size, build and command the most UI-thread CPU in one
# stall (ms), min / median / max over the rounds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
rounds=${1:?rounds}
before=${2:?program before}
build=$(cd "${3:-$root/build}" && pwd)
read -r -a counts <<<"${FILE_COUNTS:-0 1000}"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for ((r = 1; r <= rounds; ++r)); do
  for files in "${counts[@]}"; do
    for which in before after; do
      fe=$build/vuma-frontend
      [[ $which == before ]] && fe=$before
      echo "=== round $r files $files $which load $(cut -d' ' -f1 /proc/loadavg)"
      VUMA_FRONTEND=$fe "$here/run_file_stall.sh" 1 "$files" "$build" 2>&1
    done
  done
done | tee "$log"
echo "most UI-thread CPU in one stall, ms: files build command min / median / max"
awk '/^===/ { files = $5; which = $6; k = 0 }
  /^ +cpu +min/ { v = $NF; gsub(/[][]/, "", v); print files, which, ++k, v }' "$log" |
  sort -k1,1n -k3,3n -k2,2r -k4,4g |
  awk 'BEGIN { split("save resave open verify faults print", name, " ") }
    { key = $1 " " $2 " " $3; if (!(key in n)) order[++keys] = key; v[key, ++n[key]] = $4 }
    END { for (i = 1; i <= keys; ++i) { k = order[i]; split(k, f, " "); c = n[k]
      med = c % 2 ? v[k, (c + 1) / 2] : (v[k, c / 2] + v[k, c / 2 + 1]) / 2
      printf "%5s %-6s %-7s %6.1f / %6.1f / %6.1f\n", f[1], f[2], name[f[3]], v[k, 1], med, v[k, c] } }'
