#!/usr/bin/env bash
# The clock starts, takes a click (the keyboard) and key 3 (UpTime, kept at the exit), and
# ends with exit code 0 through "Exit", leaving no window behind.
source "$(dirname "$0")/gui_lib.sh"
reset_settings

start_and_click
xdotool key 3
exit_clock "$pid" "$win"
pid=""
no_clock_window() { ! xdotool search --name '^Ormel Clock$' >/dev/null 2>&1; }
await 5 "a clock window is left behind" no_clock_window
[ "$(saved_value ClockType)" = 2 ] || fail "key 3 did not switch to UpTime: ClockType '$(saved_value ClockType)'"
echo "ok"
