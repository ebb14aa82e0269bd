#!/usr/bin/env bash
# A command chosen from the tray icon's menu gives the keyboard to the window it shows: the
# clock shown again by "Show/Hide" takes key 3, the Alarms window takes typing on its first
# control, without a click, and Tab moves it on.
source "$(dirname "$0")/gui_lib.sh"

tray=""
find_tray() { tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1 || true); [ -n "$tray" ]; }
# Opens the tray icon's menu and types keys $@ into it.
tray_menu_keys() {
  xdotool mousemove --window "$tray" 10 10
  popup_keys "$@"
}
show_hide() { tray_menu_keys Down Down Return; }  # "About...", then "Show/Hide"
clock_hidden() { ! viewable "$win"; }

reset_settings
start_and_click
await 5 "no tray icon" find_tray
show_hide
await 5 "\"Show/Hide\" did not hide the clock" clock_hidden
show_hide
await 5 "\"Show/Hide\" did not show the clock again" viewable "$win"
wait_for_rest "$win" || fail "the clock did not come to rest after it was shown"
face_point "$win"
# X gives the keys to the window under the pointer, Wine to the control that has the focus.
xdotool mousemove "$CX" "$CY"
before=$(title_hash)
title_changed() { [ "$(title_hash)" != "$before" ]; }
xdotool key 3
within 5 title_changed || fail "key 3 did nothing after \"Show/Hide\" from the tray menu showed the clock"

alarms_window() { alarms=$(xdotool search --onlyvisible --name '^Alarms$' 2>/dev/null | head -1 || true); [ -n "$alarms" ]; }
tray_menu_keys Up Up Up Up Return  # "Exit", "Settings", "Skins", "Alarms..."
await 5 "\"Alarms...\" from the tray menu showed no Alarms window" alarms_window
wait_for_rest "$alarms" || fail "the Alarms window did not come to rest"
alarms_hash() { import -window "$alarms" -format '%#' info:; }
eval "$(xdotool getwindowgeometry --shell "$alarms" | sed 's/^/ALARMS_/')"
xdotool mousemove $((ALARMS_X + 20)) $((ALARMS_Y + ALARMS_HEIGHT - 15))  # below the panels
shown=$(alarms_hash)
# A space ticks the check box that has the keyboard.
xdotool key space
typed_into() { [ "$(alarms_hash)" != "$shown" ]; }
within 5 typed_into || fail "a space typed into the Alarms window reached no control"
# Tab moves the keyboard to the next control, so a second space leaves the first one ticked.
ticked=$(alarms_hash)
xdotool key Tab space
moved_on() { local now; now=$(alarms_hash); [ "$now" != "$ticked" ] && [ "$now" != "$shown" ]; }
within 5 moved_on || fail "Tab did not move the keyboard to the Alarms window's next control"
exit_clock "$pid" "$win"
echo "ok"
