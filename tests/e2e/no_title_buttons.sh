#!/usr/bin/env bash
# Fails when the window manager gives the window named $1 (a regular expression) title-bar
# buttons: a title bar, by its frame (a top edge thicker than the sides) or by its Motif hints, on
# which the window manager allows the close or minimize action.
set -euo pipefail
id=$(xdotool search --onlyvisible --name "$1" | head -n1)
[ -n "$id" ] || { echo "no window named $1" >&2; exit 1; }
props=$(xprop -id "$id" _NET_FRAME_EXTENTS _MOTIF_WM_HINTS _NET_WM_ALLOWED_ACTIONS)
echo "$props" >&2

# _NET_FRAME_EXTENTS: left, right, top, bottom.
read -r left _ top _ < <(sed -n 's/^_NET_FRAME_EXTENTS(CARDINAL) = //p' <<<"$props" | tr -d ',')
titled=0
[ "${top:-0}" -gt "${left:-0}" ] && titled=1
# _MOTIF_WM_HINTS: flags, functions, decorations, ...; without the decorations flag (2) the window
# manager draws its full frame; a title is asked for by "all" (1) or "title" (8).
read -r flags _ decor _ < <(sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = //p' <<<"$props" | tr -d ',')
if [ -z "${flags:-}" ] || (( (flags & 2) == 0 || (decor & 9) != 0 )); then titled=1; fi

if [ $titled = 1 ] && grep -qE '_NET_WM_ACTION_(CLOSE|MINIMIZE)' <<<"$props"; then
  echo "window '$1' has a title bar with close or minimize buttons" >&2
  exit 1
fi
