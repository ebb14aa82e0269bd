#!/usr/bin/env bash
# The running clock over a known background: it grows and fades in at start-up, its face
# keeps its soft alpha edge, and the frame on screen is the one --snapshot composes for the
# same second, hands and all.
source "$(dirname "$0")/gui_lib.sh"
reset_settings
BACKGROUND='#306090'
# Xvfb's root ignores a background colour, so a screen-sized window of one colour is the
# desktop. Without a compositing manager X shows every pixel of non-zero alpha as opaque, as
# the window's own premultiplied colour; with one, the window blends into what lies below,
# as on Windows. Start-up is watched without one (the window maps at once), the finished
# frame with one.
xlogo -bg "$BACKGROUND" -fg "$BACKGROUND" -geometry 1280x1024+0+0 2>/dev/null &
desktop=$!
compositor="" capture=""
trap 'kill $desktop $compositor $capture 2>/dev/null; cleanup' EXIT
desktop_shown() { [ -n "$(xdotool search --onlyvisible --class '^XLogo$' 2>/dev/null || true)" ]; }
await 15 "the desktop window did not show" desktop_shown
xdotool mousemove 0 0  # the pointer stays off the face: no hover states

# xwd reads every window on the screen, and fails when one goes meanwhile (Wine makes and
# drops some while it starts): such a capture is taken again.
capture_screen() {
  local try
  for try in 1 2 3; do xwd -root -silent >"$1" 2>/dev/null && return 0; done
  rm -f "$1"
  return 1
}

# The screen is captured from before the start until the window is found and a little
# beyond, without pauses: the start-up fade lasts well under a second, and on a loaded machine
# finding the window can take longer than that, and the window many seconds to come. Only the
# last 200 captures are kept: those before the window show nothing of it.
(
  deadline=$((${EPOCHREALTIME/./} + 60 * 1000000))
  i=0
  while [ ! -e "$WORK/stop" ] && [ "${EPOCHREALTIME/./}" -lt "$deadline" ]; do
    i=$((i + 1))
    capture_screen "$WORK/start$i.xwd" || true
    rm -f "$WORK/start$((i - 200)).xwd"
  done
) &
capture=$!
"$WINE_RUN" "$EXE" &
pid=$!
await 15 "no clock window appeared" clock_appeared
for i in $(seq 10); do capture_screen "$WORK/pause.xwd" || true; done  # as long again as ten captures
touch "$WORK/stop"
wait "$capture"
capture=""
wait_for_rest "$win" || fail "the clock did not come to rest after start-up"
capture_screen "$WORK/rested.xwd" || fail "the screen could not be captured"
face_point "$win"
geometry="${WIDTH}x${HEIGHT}+${X}+${Y}"
xcompmgr -n 2>/dev/null &
compositor=$!
# The rim along the top of the face, out of the hands' reach, changes only when the
# compositor starts to blend its soft edge into the desktop.
rim="${WIDTH}x$((HEIGHT / 12))+${X}+${Y}"
convert "xwd:$WORK/rested.xwd" -crop "$rim" +repage "$WORK/rim-alone.png"
rim_blended() {
  import -window root -crop "$rim" +repage "$WORK/rim.png"
  [ "$(compare -metric AE -fuzz 2% "$WORK/rim-alone.png" "$WORK/rim.png" null: 2>&1 || true)" != 0 ]
}
await 15 "the compositor did not blend the clock's rim into the desktop" rim_blended

# How much of the clock one start-up frame shows: its bright pixels (gold rim, ticks and
# hands; the desktop is darker). The fade weights the colours by its alpha and the zoom
# grows the image, so both raise the count until the clock is fully shown.
shown() { convert "xwd:$1" -colorspace gray -threshold 50% -format '%[fx:int(mean*w*h)]' info:; }
full=$(shown "$WORK/rested.xwd")
partial=0
# Frames from before the window came count for nothing; one that shows some of the clock
# but not all of it is a frame of the fade.
for frame in "$WORK"/start[0-9]*.xwd; do
  seen=$(shown "$frame")
  [ "$seen" -gt 0 ] && [ "$seen" -lt $((full * 9 / 10)) ] && partial=$((partial + 1))
done
[ "$full" -gt 0 ] || fail "nothing of the clock is on screen"
[ "$partial" -gt 0 ] || fail "no start-up frame showed the clock growing or fading in"

# The frame on screen against --snapshot at the seconds around the capture, laid over the
# background by its alpha: the soft rim must blend into the desktop as the frame says.
before=$(date +%s)
import -window root -crop "$geometry" +repage "$WORK/screen.png"
after=$(date +%s)
matched=""
for t in $((before - 2)) $((before - 1)) "$before" "$after"; do
  at=$(date -d "@$t" '+%F %T')
  "$WINE_RUN" "$EXE" --snapshot "$(win_path "$WORK/snap.png")" --at "$at"
  convert -size "${WIDTH}x${HEIGHT}" "xc:$BACKGROUND" "$WORK/snap.png" -composite "$WORK/over.png"
  differ=$(compare -metric AE -fuzz 2% "$WORK/screen.png" "$WORK/over.png" null: 2>&1 || true)
  if [ "$differ" -lt $((WIDTH * HEIGHT / 500)) ]; then matched=$at; break; fi
done
[ -n "$matched" ] || fail "the window does not show the frame --snapshot composes for its time"
exit_clock "$pid" "$win"
echo "ok ($matched)"
