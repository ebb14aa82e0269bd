#!/usr/bin/env bash
# On displays at 150 % and 200 % (Wine's LogPixels): the clock's window is royale's face at the
# display's own pixels, a click on the scaled title steps the mode, a drag moves the clock, the
# position is kept with the pixels per inch it was saved at, --snapshot --scale gives a frame of
# the same size, and every dialog lays out its controls at that scale.
source "$(dirname "$0")/gui_lib.sh"
DIALOG_TESTS=${ORMEL_WIN32_TESTS:?the Windows test program}
set_dpi() { "$WINE_RUN" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null; }
# The prefix is shared with every other test: back to 96 whatever way this one ends.
restore_dpi() { "$WINE_RUN" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true; }
trap 'restore_dpi; cleanup' EXIT

at_dpi() { echo $(($1 * dpi / 96)); }  # a length of royale's face on this display
scaled_title_hash() {
  import -window root -crop "$(at_dpi 80)x$(at_dpi 12)+$((X + $(at_dpi 56)))+$((Y + $(at_dpi 60)))" -format '%#' info:
}

for dpi in 144 192; do
  set_dpi "$dpi"
  reset_settings
  start_and_click
  side=$(at_dpi 192)
  [ "$WIDTH" -eq "$side" ] && [ "$HEIGHT" -eq "$side" ] ||
    fail "at $dpi pixels per inch the window is ${WIDTH}x$HEIGHT, not ${side}x$side"

  # The centre of royale's title box, scaled: Clock steps to Countdown.
  before=$(scaled_title_hash)
  xdotool mousemove $((X + $(at_dpi 96))) $((Y + $(at_dpi 66))) click 1
  xdotool mousemove $((X + WIDTH / 2)) $((Y + $(at_dpi 20)))  # off the title: no hover colour
  await_input_taken
  [ "$before" != "$(scaled_title_hash)" ] || fail "at $dpi pixels per inch a click on the scaled title changed nothing"

  drag_clock 120 70
  moved_x=$X moved_y=$Y
  exit_clock "$pid" "$win"
  [ "$(saved_value ClockType)" = 1 ] || fail "at $dpi pixels per inch the title click saved ClockType '$(saved_value ClockType)'"
  [ "$(saved_value PixelsPerInch)" = "$dpi" ] || fail "the position was saved for '$(saved_value PixelsPerInch)' pixels per inch"
  start_clock
  [ "$X" -eq "$moved_x" ] && [ "$Y" -eq "$moved_y" ] || fail "at $dpi pixels per inch the clock came back at $X,$Y, not $moved_x,$moved_y"
  exit_clock "$pid" "$win"

  scale=$(awk -v d="$dpi" 'BEGIN { print d / 96 }')
  "$WINE_RUN" "$EXE" --snapshot "$(win_path "$WORK/snap.png")" --scale "$scale" || fail "--snapshot --scale $scale failed"
  [ "$(identify -format '%wx%h' "$WORK/snap.png")" = "${side}x$side" ] ||
    fail "--snapshot --scale $scale gave $(identify -format '%wx%h' "$WORK/snap.png")"

  # The Alarms window, 551 x 537 at 100 %, is taller at 200 % than the test display's 800 pixels
  # (a 200 % screen has twice the pixels of one at 100 %): it is checked at 150 %.
  dialogs='DialogsAtTheDisplayScale.*'
  [ "$dpi" -le 144 ] || dialogs="$dialogs-DialogsAtTheDisplayScale.AlarmsLaysOutItsControls"
  "$WINE_RUN" "$DIALOG_TESTS" --gtest_filter="$dialogs" >"$WORK/dialogs.log" 2>&1 ||
    fail "at $dpi pixels per inch the dialogs do not fit: $(grep -E 'Failure|clipped|outside|lies over' "$WORK/dialogs.log" | head -5)"
done
restore_dpi
echo ok
