#!/usr/bin/env bash
# Tries the program without a relay: starts the simulated relay on a pseudo-terminal, then the
# program with that terminal offered as a serial port. The relay stops when the program ends.
# Options are passed to the simulated relay (see: ./build/tools/relay-sim/relay-sim --help).
#   bash scripts/try.sh [relay-sim options...]
set -euo pipefail
build="$(cd "$(dirname "$0")/.." && pwd)/build"
for exe in "$build/vuma-frontend" "$build/tools/relay-sim/relay-sim"; do
  [ -x "$exe" ] || { echo "$exe is missing: build first (see README)" >&2; exit 1; }
done
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || echo "warning: no DISPLAY set; the program needs a display" >&2
path_file=$(mktemp)
"$build/tools/relay-sim/relay-sim" "$@" > "$path_file" &
relay=$!
trap 'kill $relay 2>/dev/null || true; rm -f "$path_file"' EXIT
for _ in $(seq 50); do [ -s "$path_file" ] && break; sleep 0.1; done
pty=$(head -n1 "$path_file")
[ -n "$pty" ] || { echo "the simulated relay gave no terminal" >&2; exit 1; }
echo "simulated relay on $pty: choose it under Communication, then connect with F6" >&2
VUMA_SERIAL_PORTS="$pty${VUMA_SERIAL_PORTS:+:$VUMA_SERIAL_PORTS}" "$build/vuma-frontend"
