#!/usr/bin/env bash
# The clock starts, takes a click and key 3, and ends with exit code 0 through "Exit".
source "$(dirname "$0")/gui_lib.sh"
reset_settings

"$WINE_RUN" "$EXE" &
pid=$!
win=$(wait_for_window) || fail "no clock window appeared"
face_point "$win"
# Keys sent before the first click are lost without a window manager.
xdotool mousemove "$CX" "$CY" click 1
sleep 0.3
xdotool key 3
sleep 0.3
exit_clock "$pid" "$win"
sleep 0.5
xdotool search --name '^Ormel Clock$' >/dev/null 2>&1 && fail "a clock window is left behind"
echo "ok"
