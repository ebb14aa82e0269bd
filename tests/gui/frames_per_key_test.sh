#!/usr/bin/env bash
# A mode key draws the face once: the key's message composes and presents one frame, however
# many steps of its handling change the face. Wine traces each layered window update.
source "$(dirname "$0")/gui_lib.sh"
reset_settings
TRACE=$WORK/trace.txt
WINEDEBUG=trace+win "$WINE_RUN" "$EXE" 2>"$TRACE" &
pid=$!
wait_for_window "no clock window appeared"
face_point "$win"
xdotool mousemove "$CX" "$CY"
click_face

updates() { grep -ac 'NtUserUpdateLayeredWindow' "$TRACE" || true; }
updated_since() { [ "$(updates)" -gt "$1" ]; }
# Waits until the clock has gone $1 s without an update; fails after 15 s.
await_quiet() {
  local seen=-1 now
  for _ in $(seq 1 $((15 / $1))); do
    now=$(updates)
    [ "$now" -ne "$seen" ] || return 0
    seen=$now
    sleep "$1"
  done
  fail "the clock kept updating its window for 15 s"
}

# In the Stopwatch and Timer modes, with both at rest, no tick changes the face: the frames
# that follow are the keys' own (a frame that changes nothing is not presented). The pointer
# rests on a free point of the face, where a hover draws nothing.
xdotool key 4
await_quiet 2
for key in 5 4 5; do
  before=$(updates)
  xdotool key "$key"
  await 10 "the mode key $key presented no frame" updated_since "$before"
  await_quiet 1
  frames=$(($(updates) - before))
  [ "$frames" -eq 1 ] || fail "the mode key $key presented $frames frames"
done

exit_clock "$pid" "$win"
pid=""
[ "$(saved_value ClockType)" = 4 ] || fail "the keys did not switch to the Timer mode"
echo "ok"
