#!/usr/bin/env bash
# A world clock label typed in scripts the system's code page (1252 here) lacks: the World
# Clock dialog takes it, the face shows it as --snapshot --label draws it (not as the "?" the
# code page would leave), and it is saved and comes back after Exit and a restart.
source "$(dirname "$0")/unicode_lib.sh"
LABEL="東京 Zürich"
AT="2026-12-09 06:30:40"  # every hand in the lower left: none crosses the title

# The title label of a frame $1 (a file or the screen at the window's place) into $2.
title_of_snapshot() { convert "$1" -crop 80x12+56+60 +repage "$2"; }
title_on_screen() {
  face_point "$win"
  import -window root -crop "80x12+$((X + 56))+$((Y + 60))" +repage "$1"
}
# Pixels that differ by more than 8 %; compare's exit code only says whether any do.
differing() { { compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1; }

# A click on the hands' centre hides them (and the choice is kept): the live clock's hands may
# cross the title.
hide_hands() {
  face_point "$win"
  xdotool mousemove $((X + 96)) $((Y + 96)) click 1
}

# The face's title on screen matches a snapshot under our label, not one under what the code
# page would have made of it.
expect_label_shown() {
  local what=$1 ours other
  xdotool mousemove 0 0
  await_new_frames "$win"
  title_on_screen "$WORK/screen.png"
  ours=$(differing "$WORK/screen.png" "$WORK/ours.png")
  other=$(differing "$WORK/screen.png" "$WORK/ansi.png")
  echo "$what: the title differs from --label \"$LABEL\" in $ours pixels, from --label \"?? Zürich\" in $other"
  [ "$ours" -le 4 ] || fail "$what: the face does not show the label $LABEL"
  [ "$other" -gt 20 ] || fail "$what: the face shows the label as the code page leaves it"
}

for label in "$LABEL" "?? Zürich"; do
  "$WINE_RUN" "$EXE" --snapshot "$(win_path "$WORK/frame.png")" --at "$AT" --label "$label" ||
    fail "no snapshot with --label $label"
  title_of_snapshot "$WORK/frame.png" "$WORK/$([ "$label" = "$LABEL" ] && echo ours || echo ansi).png"
done
[ "$(differing "$WORK/ours.png" "$WORK/ansi.png")" -gt 20 ] || fail "--label drew \"$LABEL\" as \"?? Zürich\""

# The dialog, reached through the menu as a user would; the label typed into its box.
reset_settings
start_and_click
open_world_clock
world_clock_client
xdotool mousemove $((cx + 60)) $((cy + 70)) click 1  # into cbClockLabel's text
xdotool key Home shift+End
type_text "$LABEL" 80
xdotool mousemove $((cx + 190)) $((cy + 198)) click 1  # OK
within 15 world_clock_closed || fail "the dialog stayed open after OK"
hide_hands
expect_label_shown "after OK"
exit_clock "$pid" "$win"
[ "$(saved_text FClockLabel)" = "$LABEL" ] || fail "the label was saved as '$(saved_text FClockLabel)'"

start_clock
expect_label_shown "after the restart"
exit_clock "$pid" "$win"
[ "$(saved_text FClockLabel)" = "$LABEL" ] || fail "the restart saved the label as '$(saved_text FClockLabel)'"
reset_settings
echo "ok"
