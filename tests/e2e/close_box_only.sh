#!/usr/bin/env bash
# Fails unless the window named $1 (a regular expression) asks for a close box only: its Motif
# hints allow closing and moving but neither minimizing nor maximizing, and the window manager
# offers a close box and no maximize button. (openbox keeps its minimize button whatever the
# hints ask, so that one is judged by the hints alone.)
set -euo pipefail
id=$(xdotool search --onlyvisible --name "$1" | head -n1)
[ -n "$id" ] || { echo "no window named $1" >&2; exit 1; }
props=$(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS _MOTIF_WM_HINTS)
echo "$props" >&2
grep -q '_NET_WM_ACTION_CLOSE' <<<"$props" || { echo "window '$1' has no close box" >&2; exit 1; }
if grep -qE '_NET_WM_ACTION_MAXIMIZE_(HORZ|VERT)' <<<"$props"; then
  echo "window '$1' can be maximized" >&2
  exit 1
fi
# _MOTIF_WM_HINTS: flags, functions, ...; the functions flag (1) set, and among the functions
# neither "all" (1), minimize (8) nor maximize (16), but close (32).
read -r flags functions _ < <(sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = //p' <<<"$props" | tr -d ',')
if [ -z "${flags:-}" ] || (( (flags & 1) == 0 || (functions & 25) != 0 || (functions & 32) == 0 )); then
  echo "window '$1' asks for more than a close box" >&2
  exit 1
fi
