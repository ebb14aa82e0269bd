#!/usr/bin/env bash
# A clock saved where it would not be seen whole starts fully on the screen, as near to its
# saved place as the screen allows; one dragged partly off the screen stays there while it
# runs, and is pulled back into view at the next start or when the monitors change.
source "$(dirname "$0")/gui_lib.sh"
PROGRAM=${ORMEL_DESKTOP:?the desktop test program}
read -r SCREEN_W SCREEN_H < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')

# The place saved for this screen size, as a drag and Exit would have saved it.
save_place() {
  reset_settings
  "$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v "NormPos(${SCREEN_W}x${SCREEN_H})" /t REG_SZ \
    /d "$1,$2,$(($1 + 192)),$(($2 + 192))" /f >/dev/null
}

fully_on_screen() { [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$SCREEN_W" ] && [ $((Y + HEIGHT)) -le "$SCREEN_H" ]; }

# saved left, top; where it must show: a number, or "right"/"bottom" for the screen's edge
# The start-up fade moves the window at each step until it stands at its place; on a loaded
# machine a step can be late enough for the window to seem at rest on its way.
at_place() {
  face_point "$win"
  [ "$X" -eq "$1" ] && [ "$Y" -eq "$2" ]
}
on_screen_now() {
  face_point "$win"
  fully_on_screen
}
while read -r left top want_x want_y what; do
  save_place "$left" "$top"
  start_clock
  [ "$want_x" = right ] && want_x=$((SCREEN_W - WIDTH))
  [ "$want_y" = bottom ] && want_y=$((SCREEN_H - HEIGHT))
  within 5 at_place "$want_x" "$want_y" || fail "$what: saved at $left,$top, shows at $X,$Y instead of $want_x,$want_y"
  fully_on_screen || fail "$what: the clock saved at $left,$top shows at $X,$Y ($WIDTH x $HEIGHT), not fully on the ${SCREEN_W} x ${SCREEN_H} screen"
  exit_clock "$pid" "$win"
  pid=""
done <<TABLE
$((SCREEN_W - 80)) $((SCREEN_H - 100)) right bottom only a corner in view
$((SCREEN_W - 30)) $((SCREEN_H - 30)) right bottom a few transparent pixels in view
-150 -100 0 0 off the top left
300 200 300 200 fully in view: where it was saved
TABLE

# Dragged partly off the screen on purpose: it stays there while it runs.
drag_partly_off() {
  drag_clock 150 100
  dragged_x=$X dragged_y=$Y
  ! fully_on_screen || fail "the drag left the clock fully on the screen at $X,$Y: the test needs it partly off"
}
save_place $((SCREEN_W - 260)) $((SCREEN_H - 260))
start_clock
drag_partly_off
sleep 1
face_point "$win"
[ "$X" -eq "$dragged_x" ] && [ "$Y" -eq "$dragged_y" ] || fail "the clock dragged to $dragged_x,$dragged_y moved on to $X,$Y by itself"
exit_clock "$pid" "$win"
pid=""
# Next start: back in view.
start_clock
within 5 on_screen_now || fail "restarted after a drag partly off the screen, the clock shows at $X,$Y ($WIDTH x $HEIGHT)"
# A change of monitors brings a clock dragged partly off back into view at once.
drag_partly_off
"$WINE_RUN" "$PROGRAM" display-changed || fail "the clock did not take the display change"
within 5 on_screen_now || fail "after a display change the clock dragged partly off the screen stays at $X,$Y"
exit_clock "$pid" "$win"
