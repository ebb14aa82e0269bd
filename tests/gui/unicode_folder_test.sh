#!/usr/bin/env bash
# The clock copied into a folder whose path holds letters the system's code page (1252 here)
# lacks, as an account name gives the installer's folder: it starts with its face, its snapshot
# works, a skin folder named in Cyrillic is listed, chosen, kept and checked, and "Load at
# Startup" registers the program's real path.
source "$(dirname "$0")/unicode_lib.sh"
reset_settings
HOME_DIR="$WORK/Zażółć 東京/Ormel Clock"
SKIN=Рассвет
mkdir -p "$(dirname "$HOME_DIR")"
cp -r "$DIST" "$HOME_DIR"
EXE=$HOME_DIR/OrmelClock.exe
# A skin of its own size, so that the window shows which one is on: royale on a larger face.
cp -r "$HOME_DIR/face/royale" "$HOME_DIR/face/$SKIN"
convert "$HOME_DIR/face/$SKIN/face.png" -background none -gravity center -extent 200x200 "$HOME_DIR/face/$SKIN/face.png"
sed -i 's/<label id="title" text="clock"/<label id="title" text="Заря"/; s/width="192" height="192"/width="200" height="200"/' \
  "$HOME_DIR/face/$SKIN/skin.xml"

# The snapshot, of the default skin and of the Cyrillic one, into the same folder.
"$WINE_RUN" "$EXE" --snapshot "$(win_path "$HOME_DIR/royale.png")" --at "2026-12-09 06:30:40" 2>"$WORK/err" ||
  fail "the snapshot in $HOME_DIR failed: $(cat "$WORK/err")"
[ -s "$HOME_DIR/royale.png" ] || fail "no snapshot was written"
"$WINE_RUN" "$EXE" --snapshot "$(win_path "$HOME_DIR/$SKIN.png")" --skin "$SKIN" --at "2026-12-09 06:30:40" \
  2>"$WORK/err" || fail "the snapshot of skin $SKIN failed: $(cat "$WORK/err")"
cmp -s "$HOME_DIR/royale.png" "$HOME_DIR/$SKIN.png" && fail "--skin $SKIN drew royale's face"

# The skin tool reads the folder and prints its names as they are.
"$WINE_RUN" "$DIST/ormel-skin.exe" check --verbose "$(win_path "$HOME_DIR/face/$SKIN")" >"$WORK/check" 2>&1 ||
  fail "ormel-skin check of $SKIN failed: $(cat "$WORK/check")"
grep -q 'label "title": .* for "Заря"' "$WORK/check" || fail "ormel-skin did not print the title's text: $(cat "$WORK/check")"

# The clock, started from there with "Load at Startup" on, shows royale and no message.
"$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock\Options' /v LoadAtStartup /t REG_SZ /d True /f >/dev/null
start_traced
wait_for_window "no clock window appeared from $HOME_DIR"
[ -z "$(box_texts)" ] || fail "the clock showed a message: $(box_texts)"
face_point "$win"
[ "$WIDTH" -eq 192 ] || fail "royale should be 192 wide, not $WIDTH"
xdotool mousemove "$CX" "$CY"
click_face
# The Skins submenu lists folders as the file system does: royale, slate and ours, in some order.
for n in 1 2 3; do
  pick_skin "$n"
  [ -z "$(error_box)" ] || fail "choosing skin $n showed a message: $(box_texts)"
  face_point "$win"
  [ "$WIDTH" -eq 200 ] && break
done
[ "$WIDTH" -eq 200 ] || fail "no item of the Skins menu switched to $SKIN"
exit_clock "$pid" "$win"
[ "$(saved_text ClockSkin)" = "$SKIN" ] || fail "ClockSkin saved as '$(saved_text ClockSkin)', not $SKIN"
run_value=$(exported_key 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' | grep '^"OrmelClock"=' || true)
[[ "$run_value" == *"$(win_path "$EXE" | sed 's/\\/\\\\/g')"* ]] || fail "the Run value does not name $EXE: $run_value"

# Started again, it comes back with the Cyrillic skin.
start_traced
wait_for_window "no clock window appeared on the second start"
[ -z "$(box_texts)" ] || fail "the second start showed a message: $(box_texts)"
face_point "$win"
[ "$WIDTH" -eq 200 ] || fail "$SKIN was not restored: the window is $WIDTH wide"
exit_clock "$pid" "$win"
reset_settings
echo "ok"
