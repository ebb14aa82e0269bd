#!/usr/bin/env bash
# A running stopwatch measures the time that passed, also when daylight saving begins or ends
# while it runs. The clock runs in a zone of the test's own whose change falls a few seconds
# after the stopwatch starts: Wine takes the zone's rules from TZ, and its local time jumps
# at the change in a running program.
source "$(dirname "$0")/gui_lib.sh"

LEAD=25  # seconds from the start of the clock to the change: enough to start the stopwatch
# h:mm:ss of a number of seconds; the hours may pass 24, so that a change may fall on the
# next day whatever the hour now.
hms() { printf '%d:%02d:%02d' $(($1 / 3600)) $(($1 % 3600 / 60)) $(($1 % 60)); }

for change in forward back; do
  now=$(date -u +%s)
  day=$(($(date -u -d "@$now" +%-j) - 1))  # zero-based day of the year, as TZ counts it
  at=$((now % 86400 + LEAD))
  # XST is UTC; XDT an hour ahead. A rule's time is the local time of the rule it ends.
  case $change in
    forward) export TZ="XST0XDT,$day/$(hms "$at"),$day/$(hms $((at + 7200)))" ;;
    back) export TZ="XST0XDT,$day/0,$day/$(hms $((at + 3600)))" ;;
  esac
  reset_settings
  start_and_click
  xdotool key 4 mousemove $((X + 75)) $((Y + 150)) click 1  # Stopwatch; royale's "Pause/Resume"
  started=$EPOCHREALTIME
  # The release acts where the pointer is when the clock takes it: the pointer stays on the
  # button until the running stopwatch shows new frames.
  await_new_frames "$win"
  [ "${started%.*}" -lt $((now + LEAD)) ] || fail "$change: the clock took over $LEAD s to start the stopwatch"
  xdotool mousemove "$CX" "$CY"
  sleep $((now + LEAD + 3 - ${started%.*}))
  exit_clock "$pid" "$win"
  pid=""
  ran=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { print b - a }')
  total=$(saved_value StopWatch1_RunningTotal)
  awk -v t="$total" -v ran="$ran" 'BEGIN { s = t * 86400; exit !(s >= 3 && s <= ran + 1) }' ||
    fail "$change: the stopwatch saved $(awk -v t="$total" 'BEGIN { print t * 86400 }') s; it ran $ran s across the change"
done
echo "ok"
