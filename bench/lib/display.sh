# Without a display (and no Qt platform chosen) the calling script runs itself again under a
# virtual X server, one for all of its runs: with_display "$0" ARGS...
with_display() {
  if [[ -z "${DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
}
