#!/usr/bin/env bash
# An "On Top" clock leaves the topmost band while a full-screen program is in front on its
# monitor, and returns to it when the program ends; also for a program that goes full
# screen while it is in front (F11). Windows stacks by WS_EX_TOPMOST, so that is what is
# checked: without a window manager the X stacking order says nothing.
source "$(dirname "$0")/gui_lib.sh"
PROGRAM=${ORMEL_DESKTOP:?the desktop test program}
program=""
trap 'if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi; cleanup' EXIT

stacking() { "$WINE_RUN" "$PROGRAM" clock | tr -d '\r'; }
stacked() { [ "$(stacking)" = "$1" ]; }
await_stacking() { await 10 "$2 (the clock is $(stacking))" stacked "$1"; }

reset_settings
start_clock
await_stacking topmost "the On Top clock did not stay in the topmost band"

for way in cover grow; do
  "$WINE_RUN" "$PROGRAM" "$way" 0 >/dev/null &
  program=$!
  await_stacking "not topmost" "the clock stayed topmost over a full-screen program ($way)"
  "$WINE_RUN" "$PROGRAM" end || fail "the full-screen program could not be closed"
  wait_for_exit "$program" 10 || fail "the full-screen program did not end"
  program=""
  await_stacking topmost "the clock did not return to the topmost band after the full-screen program ($way) ended"
done
exit_clock "$pid" "$win"
