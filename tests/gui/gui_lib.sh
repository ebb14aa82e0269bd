# Shared steps of the end-to-end tests: the clock under Wine on the test display.
set -euo pipefail
DIST=$1
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_RUN=$HERE/../../tools/wine-run
EXE=$DIST/OrmelClock.exe
WORK=$(mktemp -d)
# A test keeps its running clock's process id in `pid`; whatever way it ends, that process goes.
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

win_path() { echo "Z:$(realpath -m "$1" | sed 's|/|\\|g')"; }

# Waits up to 15 s for window $1 to stand still. The fade and zoom move the window every
# few milliseconds: a click then can fall on a transparent pixel, or start a drag of the
# moving window that swallows the next clicks and keys.
wait_for_rest() {
  local i geometry last="" still=0
  for i in $(seq 150); do
    geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null || true)
    if [ -n "$geometry" ] && [ "$geometry" = "$last" ]; then
      still=$((still + 1))
      [ "$still" -ge 3 ] && return 0
    else
      still=0
    fi
    last=$geometry
    sleep 0.1
  done
  return 1
}

# Waits for the clock's window to appear and come to rest after the start-up zoom; prints
# its id.
wait_for_window() {
  local i id
  for i in $(seq 150); do
    id=$(xdotool search --onlyvisible --name '^Ormel Clock$' 2>/dev/null | head -1 || true)
    [ -n "$id" ] && wait_for_rest "$id" && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to $2 tenths of a second for process $1 to end; returns its exit code.
wait_for_exit() {
  local pid=$1 i
  for i in $(seq "$2"); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
    sleep 0.1
  done
  return 124
}

# Starts each test from default settings: no saved values, no Run entry.
reset_settings() {
  "$WINE_RUN" reg delete 'HKCU\Software\Kandrel' /f >/dev/null 2>&1 || true
  "$WINE_RUN" reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v OrmelClock /f >/dev/null 2>&1 || true
}

# Prints one settings value of the clock, empty when it is absent.
saved_value() {
  "$WINE_RUN" reg query 'HKCU\Software\Kandrel\OrmelClock' /v "$1" 2>/dev/null |
    tr -d '\r' | awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

# Sets the shell variables X Y WIDTH HEIGHT of window $1, and a free point (CX, CY) of the
# face: the centre would toggle the hands.
face_point() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  CX=$((X + WIDTH / 2)); CY=$((Y + HEIGHT / 5))
}

# Opens the popup menu at the free point and types keys $2...; $1 is the clock's window.
menu_keys() {
  face_point "$1"
  xdotool mousemove "$CX" "$CY" click 3
  sleep 0.7
  shift
  xdotool key --delay 150 "$@"  # a submenu takes a moment to open
}

# Ends clock process $1 (window $2) through "Exit", the menu's last item, and waits for the
# closing fade; fails unless it ends with exit code 0.
exit_clock() {
  local pid=$1 win=$2 rc=124 attempt
  for attempt in 1 2 3; do
    menu_keys "$win" Up Return
    rc=0
    wait_for_exit "$pid" 200 && break || rc=$?
    [ "$rc" -eq 124 ] || break
  done
  [ "$rc" -eq 124 ] && kill "$pid" 2>/dev/null
  [ "$rc" -eq 0 ] || fail "the clock ended with $rc"
}

# Starts the clock ($EXE), waits for its window and the start-up fade; sets pid, win and the
# face point.
start_clock() {
  "$WINE_RUN" "$EXE" &
  pid=$!
  win=$(wait_for_window) || fail "no clock window appeared"
  sleep 1.5
  face_point "$win"
}

# Starts the clock and clicks its face: keys sent before the first click are lost without a
# window manager.
start_and_click() {
  start_clock
  xdotool mousemove "$CX" "$CY" click 1
  sleep 0.3
}

# Drags the clock ($win) from its face point by $1, $2 pixels and checks that it moved;
# leaves the new place in X, Y.
drag_clock() {
  local x0=$X y0=$Y
  xdotool mousemove "$CX" "$CY" mousedown 1 mousemove $((CX + 20)) $((CY + 10)) sleep 0.1 \
    mousemove $((CX + $1)) $((CY + $2)) sleep 0.2 mouseup 1
  sleep 0.5
  face_point "$win"
  [ "$X" -ne "$x0" ] || [ "$Y" -ne "$y0" ] || fail "the drag did not move the clock"
}

# Opens "World Clock..." through the menu and waits for the dialog; sets dlg.
open_world_clock() {
  local i
  menu_keys "$win" Down Down Down Down Down Down Down Down Return  # About ... Timer, World Clock...
  dlg=""
  for i in $(seq 50); do
    dlg=$(xdotool search --onlyvisible --name '^World Clock$' 2>/dev/null | head -1 || true)
    [ -n "$dlg" ] && break
    sleep 0.1
  done
  [ -n "$dlg" ] || fail "World Clock... opened no dialog"
  sleep 0.5
}

# A message box of the clock: a visible "Ormel Clock" window other than the clock ($win).
error_box() { xdotool search --onlyvisible --name '^Ormel Clock$' 2>/dev/null | grep -vx "${win:-}" | head -1 || true; }

# Presses the message box's OK button, centred at its bottom, and waits for the box to go
# (Wine takes a while to remove its window). Without a window manager the first click may
# only activate the box.
close_box() {
  local i
  eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^/box_/')"
  xdotool mousemove $((box_X + box_WIDTH / 2)) $((box_Y + box_HEIGHT - 25))
  for i in $(seq 30); do
    [ $((i % 10)) -eq 1 ] && xdotool click 1
    sleep 0.2
    # The box's own window: once it goes, the clock's window (same caption) may come up.
    xdotool search --onlyvisible --name '^Ormel Clock$' 2>/dev/null | grep -qx "$1" || return 0
  done
  fail "the error box stayed open"
}

# Picks the n-th item of the Skins submenu, the third item from the menu's end.
pick_skin() {
  local downs=() i
  for ((i = 1; i < $1; i++)); do downs+=(Down); done
  menu_keys "$win" Up Up Up Right "${downs[@]}" Return
  sleep 1
}
