#!/usr/bin/env bash
# The clock starts, takes a click and key 3, and ends with exit code 0 through "Exit".
source "$(dirname "$0")/gui_lib.sh"

"$WINE_RUN" "$EXE" &
pid=$!
win=$(wait_for_window) || fail "no clock window appeared"
eval "$(xdotool getwindowgeometry --shell "$win")"
# A free point of the face: the centre would toggle the hands.
cx=$((X + WIDTH / 2)); cy=$((Y + HEIGHT / 5))
# Keys sent before the first click are lost without a window manager.
xdotool mousemove "$cx" "$cy" click 1
sleep 0.3
xdotool key 3
sleep 0.3
# "Exit" is the menu's last item; the clock then fades out before it ends.
rc=124
for attempt in 1 2 3; do
  xdotool mousemove "$cx" "$cy" click 3
  sleep 0.7
  xdotool key Up Return
  rc=0
  wait_for_exit "$pid" 80 && break || rc=$?
  [ "$rc" -eq 124 ] || break
done
[ "$rc" -eq 124 ] && kill "$pid" 2>/dev/null
[ "$rc" -eq 0 ] || fail "the clock ended with $rc"
sleep 0.5
xdotool search --name '^Ormel Clock$' >/dev/null 2>&1 && fail "a clock window is left behind"
echo "ok"
