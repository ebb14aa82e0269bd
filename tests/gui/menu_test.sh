#!/usr/bin/env bash
# The popup menu as the user reaches it: Settings > Chimes switches the hourly chime on
# and off again across restarts; while the World Clock dialog is open neither the clock nor
# its tray icon takes clicks (no second menu, no second dialog, no Exit behind it); and
# "Alarms..." brings a minimised Alarms window back, in front.
source "$(dirname "$0")/gui_lib.sh"
reset_settings

toggle_chimes() { menu_keys "$win" Up Up Right Down Down Return; }  # Settings, its third item

# Chimes, off as the tests start, on through the menu; the exit saves it.
start_and_click
toggle_chimes
exit_clock "$pid" "$win"
[ "$(saved_value Chimes1_Checked)" = True ] || fail "Chimes was not switched on: '$(saved_value Chimes1_Checked)'"

# Restored on, and off again through the menu.
start_and_click
toggle_chimes
exit_clock "$pid" "$win"
[ "$(saved_value Chimes1_Checked)" = False ] || fail "Chimes was not switched off again: '$(saved_value Chimes1_Checked)'"

# The World Clock dialog blocks the clock until it closes.
start_and_click
open_world_clock
face_point "$win"
xdotool mousemove "$CX" "$CY" click 3
# What is tested is that nothing opens: 3 s is long enough for a menu to show.
if within 3 menus_open 1; then
  xdotool key Escape
  fail "a right click on the clock opened its menu while the World Clock dialog was open"
fi
# The tray icon stands for the clock: its right click opens no menu either, its left click
# leaves the clock shown; the clock goes on running behind the dialog.
tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1 || true)
[ -n "$tray" ] || fail "no tray icon"
xdotool mousemove --window "$tray" 10 10 click 3
if within 3 menus_open 1; then
  xdotool key Escape
  fail "a right click on the tray icon opened the menu while the World Clock dialog was open"
fi
sleep 0.6  # longer than the double-click time: a click of its own
xdotool mousemove --window "$tray" 10 10 click 1
clock_hidden() { ! viewable "$win"; }
# The clock hides within a second when it does.
within 2 clock_hidden && fail "a click on the tray icon hid the clock while the World Clock dialog was open"
await_new_frames "$win"
[ "$(xdotool search --onlyvisible --name '^World Clock$' | wc -l)" -eq 1 ] || fail "a second World Clock dialog opened"
# Cancel, the bottom-right button of the 320 x 219 client area.
world_clock_client
xdotool mousemove $((cx + 274)) $((cy + 219 - 21)) click 1
await 5 "the dialog stayed open after Cancel" world_clock_closed
# The clock takes a right click again: the dialog gives the clock back its input before it goes.
xdotool mousemove "$CX" "$CY" click 3
await 5 "after the dialog closed, a right click on the clock opened no menu" menus_open 1
xdotool key Escape
await 5 "the menu did not close" menus_open 0
# So does the tray icon's.
xdotool mousemove --window "$tray" 10 10 click 3
await 5 "after the dialog closed, a right click on the tray icon opened no menu" menus_open 1
xdotool key Escape
await 5 "the menu did not close" menus_open 0

# "Alarms..." (fourth item from the bottom) on a minimised Alarms window: it comes back and
# in front, so that a key typed next goes to it, not to the clock.
alarms_shown() { alarms=$(xdotool search --name '^Alarms$' 2>/dev/null | head -1 || true); [ -n "$alarms" ] && viewable "$alarms"; }
# Wine marks a minimised window so in its X hints.
alarms_minimised() { xprop -id "$alarms" WM_HINTS | grep -q 'Iconic State'; }
alarms_restored() { alarms_shown && ! alarms_minimised; }
menu_keys "$win" Up Up Up Up Return
await 5 "Alarms... opened no window" alarms_shown
xdotool key alt+space  # the window menu, and its Minimize item
await 5 "the Alarms window's menu did not open" menus_open 1
xdotool key n
await 5 "the Alarms window was not minimised" alarms_minimised
menu_keys "$win" Up Up Up Up Return
await 5 "Alarms... did not bring the minimised window back" alarms_restored
xdotool key 4  # Stopwatch, were the key the clock's
exit_clock "$pid" "$win"
[ "$(saved_value ClockType)" = 0 ] || fail "a key typed after Alarms... went to the clock, not to the Alarms window"
reset_settings  # the next test starts afresh
echo "ok"
