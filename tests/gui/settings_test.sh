#!/usr/bin/env bash
# What the user sets survives a restart: the mode from a key or a title click, the position from a drag, the
# Run entry of "Load at Startup" and the timer length from the timer dialog; and garbled
# saved values never stop the clock from starting.
source "$(dirname "$0")/gui_lib.sh"
reset_settings

run_value() {
  "$WINE_RUN" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v OrmelClock 2>/dev/null | tr -d '\r' |
    grep OrmelClock || true
}

# Mode by key, position by drag.
start_and_click
xdotool key 4
drag_clock 120 70
moved_x=$X moved_y=$Y
exit_clock "$pid" "$win"
[ "$(saved_value ClockType)" = 3 ] || fail "ClockType saved as '$(saved_value ClockType)'"

# After a restart the same mode and place; the mode is saved again at exit.
start_and_click
[ "$X" -eq "$moved_x" ] && [ "$Y" -eq "$moved_y" ] || fail "restarted at $X,$Y instead of $moved_x,$moved_y"
# "Load at Startup" (on by default) is the second item of Settings, the second item from
# the menu's end; the restore wrote the Run value, quoted so a path with blanks starts.
quoted_run_value() {
  case "$(run_value)" in *'"'*OrmelClock.exe'"'*) return 0 ;; *) return 1 ;; esac
}
no_run_value() { [ -z "$(run_value)" ]; }
quoted_run_value || fail "no quoted Run value: '$(run_value)'"
menu_keys "$win" Up Up Right Down Return
within 5 no_run_value || fail "unchecking Load at Startup left the Run value"
menu_keys "$win" Up Up Right Down Return
within 5 quoted_run_value || fail "checking Load at Startup again wrote no Run value: '$(run_value)'"
# A click on the title (royale's title box centre) steps from the restored Stopwatch mode
# to Timer: the face changes, and Timer is what the exit saves.
face_point "$win"
before=$(title_hash)
xdotool mousemove $((X + 96)) $((Y + 66)) click 1
xdotool mousemove $((X + 96)) $((Y + 20))  # off the title: no hover colour
await_input_taken
[ "$before" != "$(title_hash)" ] || fail "a click on the title did not change the title"
exit_clock "$pid" "$win"
[ "$(saved_value ClockType)" = 4 ] || fail "restored Stopwatch then title click gave ClockType '$(saved_value ClockType)'"

# Garbled values: the clock still starts, in its default mode, and saves sound values.
"$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v ClockType /d 99 /f >/dev/null
"$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v Countdown /d 'not a date' /f >/dev/null
start_and_click
exit_clock "$pid" "$win"
[ "$(saved_value ClockType)" = 0 ] || fail "a garbled ClockType was not replaced: '$(saved_value ClockType)'"
[ "$(saved_value Countdown)" != 'not a date' ] || fail "a garbled Countdown was kept"

# The timer dialog: 1 minute, OK; the clock shows Timer mode and keeps the length.
start_and_click
menu_keys "$win" Down Down Down Down Down Down Down Down Down Down Return  # "Timer..."
timer_dialog() { xdotool search --onlyvisible --name '^Timer$' 2>/dev/null | head -1 || true; }
timer_open() { dialog=$(timer_dialog); [ -n "$dialog" ]; }
timer_closed() { [ -z "$(timer_dialog)" ]; }
within 5 timer_open || fail "the timer dialog did not open"
# The picker holds HH:mm:ss with no field chosen: the first Right picks the hours, the next
# the minutes (01), then the seconds (00).
xdotool key Right Right 0 1 Right 0 0 Return
await 5 "the timer dialog stayed open after Return" timer_closed
exit_clock "$pid" "$win"
[ "$(saved_value ClockType)" = 4 ] || fail "OK did not switch to Timer mode"
# Saved as a time of day in the user's format: 0:01:00, or 12:01:00 AM.
case "$(saved_value TimerDate)" in *:01:00*) ;; *) fail "timer length saved as '$(saved_value TimerDate)'" ;; esac
echo "ok"
