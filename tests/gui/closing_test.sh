#!/usr/bin/env bash
# Every way of closing the clock keeps what "Exit" keeps: the place it was dragged to and the
# time its running stopwatch ran. Our installer closes a running clock as taskkill without /f
# does; Alt+F4 is the keyboard's close.
source "$(dirname "$0")/gui_lib.sh"

RUN_SECONDS=4
# Royale's left button, in Stopwatch mode "Pause/Resume".
start_stopwatch() { xdotool key 4 mousemove $((X + 75)) $((Y + 150)) click 1; }

close_by_exit() { exit_clock "$pid" "$win"; }
close_by_taskkill() {
  "$WINE_RUN" taskkill /im OrmelClock.exe >/dev/null 2>&1 || fail "taskkill did not find the clock"
  wait_for_exit "$pid" 20 || fail "the clock was still running 20 s after taskkill"
}
close_by_alt_f4() {
  xdotool key alt+F4
  wait_for_exit "$pid" 20 || fail "the clock was still running 20 s after Alt+F4"
}

for way in exit taskkill alt_f4; do
  reset_settings
  start_and_click
  drag_clock 120 70
  shown_at="$X,$Y,$((X + WIDTH)),$((Y + HEIGHT))"
  start_stopwatch
  started=$EPOCHREALTIME
  sleep "$RUN_SECONDS"
  xdotool mousemove "$CX" "$CY"
  "close_by_$way"
  ran=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { print b - a }')
  pid=""
  [ "$(saved_value NormPos)" = "$shown_at" ] || fail "$way: NormPos '$(saved_value NormPos)', the clock stood at $shown_at"
  [ "$(saved_value StopWatch1_Running)" = True ] || fail "$way: the stopwatch was not saved running"
  total=$(saved_value StopWatch1_RunningTotal)
  awk -v t="$total" -v lo="$RUN_SECONDS" -v hi="$ran" 'BEGIN { s = t * 86400; exit !(s >= lo && s <= hi + 1) }' ||
    fail "$way: the stopwatch saved $total days, it ran at least $RUN_SECONDS s and at most $ran s"
done

# Restarted where the last close left it.
start_clock
[ "$X,$Y,$((X + WIDTH)),$((Y + HEIGHT))" = "$shown_at" ] || fail "restarted at $X,$Y instead of $shown_at"
exit_clock "$pid" "$win"
echo "ok"
