#!/usr/bin/env bash
# World Clock... from the menu: the last zone of the list with a label of our own. The
# face then shows that zone's time under the label, and keeps both after a restart, even
# when the saved position has come to name another zone.
source "$(dirname "$0")/gui_lib.sh"
export TZ=UTC  # the machine's own zone: the zone's time is UTC plus its offset
LABEL=Atoll
ZONES='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Time Zones'

# The face as on screen into $1, the UTC seconds just before and after into $1.t; the pointer
# off the face, and frames presented since.
capture() {
  face_point "$win"
  xdotool mousemove 0 0
  await_new_frames "$win"
  local before after
  before=$(date -u +%s)
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$WORK/$1"
  after=$(date -u +%s)
  echo "$before $after" >"$WORK/$1.t"
}

# Only the opaque dial: the rim's soft alpha depends on what lies beneath the window.
dial() { convert "$1" -crop 120x120+36+36 +repage "$2"; }
differing() { compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# The fewest pixels by which shot $1's dial differs from frames rendered, for each second
# the shot may show, at that moment's time $2 minutes east of UTC under label $3.
frame_distance() {
  local shot=$1 east=$2 label=$3 best=999999 before after t n
  read -r before after <"$WORK/$shot.t"
  dial "$WORK/$shot" "$WORK/shot-dial.png"
  for t in $(seq $((before - 1)) "$after"); do
    "$WINE_RUN" "$EXE" --snapshot "$(win_path "$WORK/frame.png")" --label "$label" \
      --at "$(date -u -d "@$((t + east * 60))" '+%Y-%m-%d %H:%M:%S')"
    dial "$WORK/frame.png" "$WORK/frame-dial.png"
    n=$(differing "$WORK/shot-dial.png" "$WORK/frame-dial.png")
    [ "$n" -lt "$best" ] && best=$n
  done
  echo "$best"
}

# Shot $1 shows the zone's time under our label, and neither local time nor the default title.
expect_zone_face() {
  local shot=$1 what=$2 zone local_time plain
  zone=$(frame_distance "$shot" "$east" "$LABEL")
  local_time=$(frame_distance "$shot" 0 "$LABEL")
  plain=$(frame_distance "$shot" "$east" Clock)
  echo "$what: $zone pixels off the zone's time, $local_time off local time, $plain off the default title"
  [ "$zone" -lt 40 ] || fail "$what: the face does not show the time of $key under $LABEL"
  [ "$local_time" -gt $((zone + 200)) ] || fail "$what: the face shows local time"
  [ "$plain" -gt $((zone + 20)) ] || fail "$what: the title does not show $LABEL"
}

# First run: the dialog, reached through the menu as a user would.
reset_settings
start_and_click
open_world_clock
world_clock_client
# The dialog is the active window: its controls take the clicks and keys in turn.
xdotool mousemove $((cx + 150)) $((cy + 120)) click 1  # into ListZones
xdotool key End  # the last zone
xdotool mousemove $((cx + 60)) $((cy + 70)) click 1  # into cbClockLabel's text
xdotool key Home shift+End
xdotool type --delay 50 "$LABEL"
xdotool mousemove $((cx + 190)) $((cy + 198)) click 1  # OK
within 5 world_clock_closed || fail "the dialog stayed open after OK"
capture chosen.png
exit_clock "$pid" "$win"

key=$(saved_value TimeZoneKey)
id=$(saved_value FTimeZoneId)
[ "$(saved_value FClockLabel)" = "$LABEL" ] || fail "the label was not saved"
[ -n "$key" ] || fail "no zone key name was saved"
[ "$id" -gt 0 ] 2>/dev/null || fail "the last zone's id was not saved: '$id'"
# The zone's offset from its TZI: Bias, a signed 32-bit little-endian count of minutes west.
tzi=$("$WINE_RUN" reg query "$ZONES\\$key" /v TZI 2>/dev/null | tr -d '\r' | awk '$1 == "TZI" { print $3 }')
[ ${#tzi} -eq 88 ] || fail "the zone $key has no TZI"
# No daylight saving: the month of StandardDate (bytes 14-15) or DaylightDate (30-31) is 0.
[ "${tzi:28:4}" = 0000 ] || [ "${tzi:60:4}" = 0000 ] || fail "the zone $key has daylight saving: this test wants a fixed offset"
bias=$((16#${tzi:6:2}${tzi:4:2}${tzi:2:2}${tzi:0:2}))
[ "$bias" -ge 2147483648 ] && bias=$((bias - 4294967296))
east=$((-bias))
[ "$east" -ne 0 ] || fail "the zone $key has the machine's offset"
expect_zone_face chosen.png "after OK"

# Second run, with the saved position pointing at another zone, as after a change of the
# operating system's zone set: the key name brings the zone back.
"$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v FTimeZoneId /t REG_SZ /d 0 /f >/dev/null
start_clock
capture restarted.png
exit_clock "$pid" "$win"
expect_zone_face restarted.png "after the restart"
[ "$(saved_value FTimeZoneId)" = "$id" ] || fail "the zone's current position was not saved"
reset_settings  # the next test starts afresh
echo "ok ($key, UTC$( [ "$east" -ge 0 ] && echo +)$((east / 60))h)"
