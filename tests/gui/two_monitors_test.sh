#!/usr/bin/env bash
# On two monitors side by side: a clock saved partly off the second monitor's outer edge
# starts fully on that monitor; a full-screen program on the other monitor leaves it on top,
# one on its own monitor does not.
# Xephyr shows two Xinerama heads side by side inside an Xvfb of their joint size (Xvfb's own
# Xinerama puts both at 0,0). Wine takes its monitors from the display of the prefix's first
# program, so the clock runs in a copy of the test prefix with a wine server of its own.
source "$(dirname "$0")/gui_lib.sh"
PROGRAM=${ORMEL_DESKTOP:?the desktop test program}
servers=() program=""
stop_all() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
  if [ -n "${WINEPREFIX_COPY:-}" ]; then WINEPREFIX=$WINEPREFIX_COPY /usr/lib/wine/wineserver -k 2>/dev/null || true; fi
  for server in "${servers[@]}"; do kill "$server" 2>/dev/null || true; done
  cleanup
}
trap stop_all EXIT

free_display() {
  local n=$1
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}
display_up() { DISPLAY=":$1" xdpyinfo >/dev/null 2>&1; }
outer=$(free_display 150)
Xvfb ":$outer" -screen 0 2560x800x24 -nolisten tcp >/dev/null 2>&1 &
servers+=($!)
await 10 "the outer display did not start" display_up "$outer"
inner=$(free_display $((outer + 1)))
DISPLAY=":$outer" Xephyr ":$inner" -screen 1280x800+0+0 -screen 1280x800+1280+0 +xinerama -extension RANDR \
  -nolisten tcp >/dev/null 2>&1 &
servers+=($!)
await 10 "the two-monitor display did not start" display_up "$inner"
export DISPLAY=":$inner"
ROOT_WINDOW=$(($(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')))  # of this display

# The registry files are copied (Wine rewrites them); the rest is shared read-only by links.
source_prefix=${WINEPREFIX:-$(cd "$HERE/../.." && pwd)/build/wineprefix}
[ -f "$source_prefix/.win64" ] || [ -f "$source_prefix/system.reg" ] || fail "no test prefix at $source_prefix"
WINEPREFIX_COPY=$WORK/prefix
cp -al "$source_prefix" "$WINEPREFIX_COPY"
for reg in "$WINEPREFIX_COPY"/*.reg; do cp --remove-destination "$source_prefix/$(basename "$reg")" "$reg"; done
export WINEPREFIX=$WINEPREFIX_COPY

"$WINE_RUN" "$PROGRAM" cover 1 >/dev/null 2>"$WORK/monitors" &
program=$!
covering_second() { [ -s "$WORK/monitors" ] || xdotool search --name '^Full screen program$' >/dev/null 2>&1; }
await 30 "the full-screen program did not start on the second monitor" covering_second
[ ! -s "$WORK/monitors" ] || fail "Wine does not see two monitors: $(cat "$WORK/monitors")"
"$WINE_RUN" "$PROGRAM" end >/dev/null
wait_for_exit "$program" 10 || fail "the full-screen program did not end"
program=""

stacking() { "$WINE_RUN" "$PROGRAM" clock | tr -d '\r'; }
stacked() { [ "$(stacking)" = "$1" ]; }

# Saved on the second monitor, reaching past its right edge: it starts fully on it.
reset_settings
"$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v "NormPos(1280x800)" /t REG_SZ /d "2450,300,2642,492" /f >/dev/null
"$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v "NormPos" /t REG_SZ /d "2450,300,2642,492" /f >/dev/null
start_clock
[ "$X" -ge 1280 ] && [ $((X + WIDTH)) -eq 2560 ] && [ "$Y" -eq 300 ] ||
  fail "saved at 2450,300, the clock shows at $X,$Y ($WIDTH x $HEIGHT), not at the second monitor's right edge"
await 10 "the On Top clock is $(stacking)" stacked topmost

# Full screen on the first monitor: the clock on the second stays on top.
"$WINE_RUN" "$PROGRAM" cover 0 >/dev/null &
program=$!
program_shown() { xdotool search --onlyvisible --name '^Full screen program$' >/dev/null 2>&1; }
await 20 "the full-screen program did not show" program_shown
sleep 1  # the clock's answer to the new foreground, were it wrong
stacked topmost || fail "a full-screen program on the other monitor took the clock off the top: $(stacking)"
"$WINE_RUN" "$PROGRAM" end >/dev/null
wait_for_exit "$program" 10 || fail "the full-screen program did not end"

# Full screen on the clock's own monitor: it steps beneath, and back when the program ends.
"$WINE_RUN" "$PROGRAM" cover 1 >/dev/null &
program=$!
await 10 "the clock stayed topmost over a full-screen program on its monitor: $(stacking)" stacked "not topmost"
"$WINE_RUN" "$PROGRAM" end >/dev/null
wait_for_exit "$program" 10 || fail "the full-screen program did not end"
program=""
await 10 "the clock did not return on top: $(stacking)" stacked topmost
exit_clock "$pid" "$win"
pid=""
