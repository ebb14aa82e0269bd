# Virtual displays for Windows programs; sourced by ./ormel, tests/gui/desktop.sh and bench/.
#   start_display    starts an Xvfb on a free display; sets XVFB_DISPLAY and XVFB_PID
#   ensure_display   exports DISPLAY, starting an Xvfb (XVFB_PID) only when there is none
XVFB_PID="" XVFB_DISPLAY=""
start_display() {
  local number i
  number=$(mktemp)
  # Xvfb takes a free number itself and says which once it answers: test runs that start
  # displays at the same moment never share one. Without -noreset it starts over whenever its
  # last program leaves, and refuses the next one that comes meanwhile (seconds on a loaded
  # machine): between two tests no program of theirs is on it.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
  XVFB_PID=$!
  for i in $(seq 100); do
    [ -s "$number" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  XVFB_DISPLAY=":$(tr -d '\n' <"$number")"
  rm -f "$number"
  [ "$XVFB_DISPLAY" != : ] && return 0
  kill "$XVFB_PID" 2>/dev/null || true
  echo "no virtual display (Xvfb) could be started" >&2
  return 1
}
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  start_display
  export DISPLAY=$XVFB_DISPLAY
}
