#!/usr/bin/env bash
# The GUI tests' own desktop, apart from the one the other tests share: a virtual display and a
# running Wine session in a prefix of their own, in which they end sessions, change the pixels
# per inch and click through the screen.
#   desktop.sh up STATE PREFIX     starts it; its display goes to STATE/display
#   desktop.sh down STATE PREFIX   ends it
set -euo pipefail
action=$1 state=$2
export WINEPREFIX=$3
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../tools/virtual_display.sh"

down() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  local pid
  pid=$(cat "$state/xvfb.pid" 2>/dev/null || true)
  # Only the display it started: a run that was cut short leaves its number behind.
  if [ -n "$pid" ] && [ "$(ps -p "$pid" -o comm= 2>/dev/null)" = Xvfb ]; then kill "$pid"; fi
  rm -f "$state/xvfb.pid" "$state/display"
}

case $action in
  up)
    down
    [ -f "$WINEPREFIX/system.reg" ] || { echo "no Wine prefix in $WINEPREFIX: ./ormel build makes it" >&2; exit 1; }
    mkdir -p "$state"
    start_display
    echo "$XVFB_PID" >"$state/xvfb.pid"
    export DISPLAY=$XVFB_DISPLAY
    /usr/lib/wine/wineserver -p >/dev/null 2>&1
    # The services that the first program of a session starts take the display of that moment,
    # and on a busy machine longer than a test may wait: started here.
    timeout 600 "$HERE/../../tools/wine-run" cmd /c exit >/dev/null 2>&1 || true
    echo "$DISPLAY" >"$state/display"
    ;;
  down) down ;;
  *) echo "usage: desktop.sh up|down STATE PREFIX" >&2; exit 2 ;;
esac
