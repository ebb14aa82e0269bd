#!/usr/bin/env bash
# A saved skin the clock cannot show (its face says 60000 x 60000 pixels): start-up shows one
# message in words naming the skin and what is wrong, then the clock comes up with royale.
# Choosing that skin from the Skins menu shows the message again and keeps the face.
source "$(dirname "$0")/gui_lib.sh"
reset_settings
cp -r "$DIST" "$WORK/dist"
EXE=$WORK/dist/OrmelClock.exe
cp -r "$WORK/dist/face/royale" "$WORK/dist/face/huge"
sed -i 's/width="192" height="192"/width="60000" height="60000"/' "$WORK/dist/face/huge/skin.xml"
"$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v ClockSkin /d huge /f >/dev/null 2>&1

expect_words() {  # $1: the box's text
  case $1 in *'The skin \"huge\" cannot be shown'*'the face is 60000 x 60000 pixels; at most 2048 x 2048 can be shown'*) ;;
    *) fail "the message does not say what is wrong in words: $1" ;; esac
  case $1 in *vector::* | *_M_*) fail "the message shows a library's text: $1" ;; esac
}

# The box on screen with its text traced; the clock must not end meanwhile.
box_with_text() {
  ended "$pid" && fail "the clock ended without a clock window: $(box_texts)"
  traced_box_shown
}
win=""
start_traced
within 15 box_with_text || fail "no message box at start-up; windows seen: $(windows_seen)"
[ "$(box_texts | wc -l)" -eq 1 ] || fail "more than one message at start-up"
text=$(box_texts)
expect_words "$text"
case $text in *'shows the skin \"royale\" instead'*) ;; *) fail "the message does not say which skin is shown: $text" ;; esac
close_box "$box"

wait_for_window "no clock window after the message"
face_point "$win"
[ "$WIDTH" -eq 192 ] || fail "the clock should show royale, 192 wide, not $WIDTH"

# The Skins menu lists the folders in file system order: find the huge one by its message.
found=0 last_width=$WIDTH
for n in 1 2 3; do
  before=$(box_texts | wc -l)
  pick_skin "$n"
  box=$(error_box)
  face_point "$win"
  if [ -n "$box" ]; then
    [ "$(box_texts | wc -l)" -eq $((before + 1)) ] || fail "no single message for the refused skin"
    expect_words "$(box_texts | tail -1)"
    [ "$WIDTH" -eq "$last_width" ] || fail "the refused skin changed the window to $WIDTH wide"
    close_box "$box"
    found=1
    break
  fi
  last_width=$WIDTH
done
[ "$found" = 1 ] || fail "choosing the huge skin showed no message"
exit_clock "$pid" "$win"
echo "ok"
