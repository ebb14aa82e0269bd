#!/usr/bin/env bash
# The popup menu as the user reaches it: Settings > Chimes switches the hourly chime off
# and on again across restarts, and while the World Clock dialog is open the clock takes
# no clicks (no second menu, no second dialog, no Exit behind it).
source "$(dirname "$0")/gui_lib.sh"
reset_settings

# Visible top-level windows; an open popup menu is one more, nameless.
windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

# Waits up to 3 s for more than $1 visible windows.
wait_for_more_windows() {
  local i
  for i in $(seq 30); do
    [ "$(windows)" -gt "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

toggle_chimes() { menu_keys "$win" Up Up Right Down Down Return; }  # Settings, its third item

# Chimes, on by default, off through the menu; the exit saves it.
start_and_click
toggle_chimes
sleep 0.3
exit_clock "$pid" "$win"
[ "$(saved_value Chimes1_Checked)" = False ] || fail "Chimes was not switched off: '$(saved_value Chimes1_Checked)'"

# Restored off, and on again through the menu.
start_and_click
toggle_chimes
sleep 0.3
exit_clock "$pid" "$win"
[ "$(saved_value Chimes1_Checked)" = True ] || fail "Chimes was not switched on again: '$(saved_value Chimes1_Checked)'"

# The World Clock dialog blocks the clock until it closes.
start_and_click
open_world_clock
open=$(windows)
face_point "$win"
xdotool mousemove "$CX" "$CY" click 3
if wait_for_more_windows "$open"; then
  xdotool key Escape
  fail "a right click on the clock opened its menu while the World Clock dialog was open"
fi
[ "$(xdotool search --onlyvisible --name '^World Clock$' | wc -l)" -eq 1 ] || fail "a second World Clock dialog opened"
# Cancel, the bottom-right button of the 320 x 219 client area.
eval "$(xdotool getwindowgeometry --shell "$dlg" | sed 's/^/DLG_/')"
border=$(((DLG_WIDTH - 320) / 2))
xdotool mousemove $((DLG_X + border + 274)) $((DLG_Y + DLG_HEIGHT - border - 21)) click 1
for i in $(seq 50); do
  xdotool search --onlyvisible --name '^World Clock$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^World Clock$' >/dev/null 2>&1 && fail "the dialog stayed open after Cancel"
sleep 0.5
# The clock takes a right click again.
closed=$(windows)
xdotool mousemove "$CX" "$CY" click 3
wait_for_more_windows "$closed" || fail "after the dialog closed, a right click on the clock opened no menu"
xdotool key Escape
sleep 0.5
exit_clock "$pid" "$win"
reset_settings  # the next test starts afresh
echo "ok"
