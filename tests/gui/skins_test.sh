#!/usr/bin/env bash
# The Skins submenu switches skins: the window takes the new skin's size; a broken skin shows
# one message and the clock keeps the face it had. The choice survives a restart.
source "$(dirname "$0")/gui_lib.sh"
reset_settings
# A copy of the program with a broken skin beside the bundled ones.
cp -r "$DIST" "$WORK/dist"
EXE=$WORK/dist/OrmelClock.exe
mkdir -p "$WORK/dist/face/broken"
echo '<skin><clockface>face.png</skin>' >"$WORK/dist/face/broken/skin.xml"

start_clock
[ "$WIDTH" -eq 192 ] || fail "royale should be 192 wide, not $WIDTH"
last_width=$WIDTH
# The three folders in the order the file system lists them: try each.
saw_slate=0 saw_error=0
for n in 1 2 3; do
  pick_skin "$n"
  box=$(error_box)
  if [ -n "$box" ]; then
    saw_error=1
    face_point "$win"
    [ "$WIDTH" -eq "$last_width" ] || fail "the broken skin changed the window to $WIDTH wide"
    close_box "$box"
  fi
  face_point "$win"
  [ "$WIDTH" -eq 240 ] && saw_slate=1
  last_width=$WIDTH
  if [ "$saw_slate" = 1 ] && [ "$saw_error" = 1 ]; then break; fi
done
[ "$saw_slate" = 1 ] || fail "no Skins item switched to slate"
[ "$saw_error" = 1 ] || fail "the broken skin showed no message"
# End on slate and see it come back.
if [ "$WIDTH" -ne 240 ]; then
  for n in 1 2 3; do
    pick_skin "$n"
    box=$(error_box)
    [ -z "$box" ] || close_box "$box"
    face_point "$win"
    [ "$WIDTH" -eq 240 ] && break
  done
fi
exit_clock "$pid" "$win"
[ "$(saved_value ClockSkin)" = slate ] || fail "ClockSkin saved as '$(saved_value ClockSkin)'"
start_clock
[ "$WIDTH" -eq 240 ] || fail "slate was not restored"
exit_clock "$pid" "$win"
echo "ok"
