# A virtual display for Windows programs when there is none; sourced by ./ormel and bench/.
#   ensure_display   exports DISPLAY; when it had to start Xvfb, XVFB_PID is that server's id
XVFB_PID=""
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
}
