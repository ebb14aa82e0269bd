#!/usr/bin/env bash
# Logoff and shutdown end a clock started with Windows without "Exit": the session's end keeps
# the mode and the place the user gave it, also when the clock is hidden in the tray.
source "$(dirname "$0")/gui_lib.sh"

# Ends the session as a logoff does: every window is asked, then told, then the processes go.
# No new session starts ("--restart"): it would start the clock again from the Run key.
end_session() {
  "$WINE_RUN" wineboot --end-session --restart >/dev/null 2>&1 || true
  wait_for_exit "$pid" 20 || fail "the clock was still running after the session ended"
}

# Key 3 (UpTime) and a drag away from the default place, then the session ends.
reset_settings
start_and_click
xdotool key 3
drag_clock 110 60
shown_at="$X,$Y,$((X + WIDTH)),$((Y + HEIGHT))"
end_session
[ "$(saved_value ClockType)" = 2 ] || fail "ClockType after the session end: '$(saved_value ClockType)'"
[ "$(saved_value NormPos)" = "$shown_at" ] || fail "NormPos '$(saved_value NormPos)', the clock stood at $shown_at"

# Restarted where it was, in UpTime; then key 4 (Stopwatch) and another drag, and hidden in
# the tray: the session's end saves what changed, and the place kept is the visible one.
start_clock
[ "$X,$Y,$((X + WIDTH)),$((Y + HEIGHT))" = "$shown_at" ] || fail "restarted at $X,$Y instead of $shown_at"
xdotool mousemove "$CX" "$CY"
click_face
xdotool key 4
drag_clock 40 30
shown_at="$X,$Y,$((X + WIDTH)),$((Y + HEIGHT))"
tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1 || true)
[ -n "$tray" ] || fail "no tray icon"
xdotool mousemove --window "$tray" 10 10 click 1
hidden() { ! viewable "$win"; }
within 5 hidden || fail "a click on the tray icon did not hide the clock"
end_session
[ "$(saved_value NormPos)" = "$shown_at" ] || fail "hidden: NormPos '$(saved_value NormPos)' instead of $shown_at"
[ "$(saved_value ClockType)" = 3 ] || fail "hidden: ClockType '$(saved_value ClockType)', key 4 was Stopwatch (3)"
echo "ok"
