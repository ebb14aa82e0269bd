# Virtual displays for Windows programs; sourced by ./ormel and bench/.
#   start_display    starts an Xvfb on a free display; sets XVFB_DISPLAY and XVFB_PID
#   ensure_display   exports DISPLAY, starting an Xvfb (XVFB_PID) only when there is none
XVFB_PID="" XVFB_DISPLAY=""
start_display() {
  local n=90 try i
  for try in 1 2 3 4 5; do
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$! XVFB_DISPLAY=":$n"
    for i in $(seq 50); do
      DISPLAY=$XVFB_DISPLAY xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$XVFB_PID" 2>/dev/null && return 0
    # Another build tree's run took the same number at the same moment: the next one, then.
    n=$((n + 1))
  done
  echo "no virtual display (Xvfb) could be started" >&2
  return 1
}
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  start_display
  export DISPLAY=$XVFB_DISPLAY
}
