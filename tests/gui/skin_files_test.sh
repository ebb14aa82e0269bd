#!/usr/bin/env bash
# Skin files as an author previews them: an UpTime preview shows the uptime given, the same on
# every run; a skin.xml far beyond its cap, or one declaring entities, is refused at once in
# words; a colour the clock cannot read says which forms it can. From the Skins menu, the
# oversized skin.xml is refused at once as well.
source "$(dirname "$0")/gui_lib.sh"

cp -r "$DIST" "$WORK/dist"
EXE=$WORK/dist/OrmelClock.exe
snap() { "$WINE_RUN" "$EXE" --snapshot "$(win_path "$WORK/$1")" --at "2026-12-08 10:08:30" "${@:2}"; }

snap up1.png --mode 2 --uptime "3 04:05:06" || fail "the UpTime preview failed"
snap up2.png --mode 2 --uptime "3 04:05:06"
snap up3.png --mode 2 --uptime "3 04:05:07"
cmp -s "$WORK/up1.png" "$WORK/up2.png" || fail "the same uptime gave different frames"
cmp -s "$WORK/up1.png" "$WORK/up3.png" && fail "one second more uptime gave the same frame"

# Exits 1 within 30 s, saying $2 on standard error, for skin $1 made from royale by $3.
refused() {
  local skin=$1 words=$2 rc=0
  cp -r "$WORK/dist/face/royale" "$WORK/dist/face/$skin"
  eval "$3"
  timeout 30 "$WINE_RUN" "$EXE" --snapshot "$(win_path "$WORK/$skin.png")" --skin "$skin" 2>"$WORK/err" || rc=$?
  [ "$rc" -ne 124 ] || fail "the $skin skin stalled the preview for 30 s"
  [ "$rc" -eq 1 ] || fail "the $skin skin: exit code $rc"
  grep -qF -- "$words" "$WORK/err" || fail "the $skin skin: '$(cat "$WORK/err")', not '$words'"
  [ ! -e "$WORK/$skin.png" ] || fail "the $skin skin was drawn"
}
xml() { echo "$WORK/dist/face/$1/skin.xml"; }
refused huge "a skin description may be at most 4.0 MB" 'truncate -s 50M "$(xml huge)"'
refused entities "the file declares a document type" \
  'sed -i "s|<skin>|<!DOCTYPE skin [<!ENTITY a \"aaaa\"><!ENTITY b \"\&a;\&a;\&a;\&a;\">]><skin>|" "$(xml entities)"'
refused colour 'a colour is $00BBGGRR in hexadecimal' 'sed -i "s|\$005CC4FF|white|" "$(xml colour)"'

# Chosen from the Skins menu: refused within the moment the menu waits for the clock, in one
# message, and the clock keeps royale.
rm -rf "$WORK/dist/face/slate" "$WORK/dist/face/entities" "$WORK/dist/face/colour"
reset_settings
start_traced
wait_for_window "no clock window appeared"
face_point "$win"
saw_box=0
for n in 1 2; do
  pick_skin "$n"
  box=$(error_box)
  [ -n "$box" ] || continue
  saw_box=1
  box_texts | grep -qF "a skin description may be at most 4.0 MB" || fail "the message said: $(box_texts)"
  face_point "$win"
  [ "$WIDTH" -eq 192 ] || fail "the refused skin changed the window to $WIDTH wide"
  close_box "$box"
done
[ "$saw_box" = 1 ] || fail "choosing the skin with a 50 MB skin.xml showed no message"
exit_clock "$pid" "$win"
echo "ok"
