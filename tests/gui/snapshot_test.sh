#!/usr/bin/env bash
# --snapshot renders deterministic frames: the same moment gives the same bytes, the next second another frame.
source "$(dirname "$0")/gui_lib.sh"

snap() { "$WINE_RUN" "$EXE" --snapshot "$(win_path "$WORK/$1")" --at "$2" ${3:+--skin "$3"}; }

snap a.png "2026-12-08 10:08:30"
snap b.png "2026-12-08 10:08:30"
snap c.png "2026-12-08 10:08:31"
for f in a b c; do
  [ "$(head -c 8 "$WORK/$f.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$f.png is not a PNG"
done
cmp -s "$WORK/a.png" "$WORK/b.png" || fail "the same moment gave different frames"
cmp -s "$WORK/a.png" "$WORK/c.png" && fail "one second later gave the same frame"
# Each skin gives its own frame, at its own size.
snap slate.png "2026-12-08 10:08:30" slate
[ "$(identify -format '%w' "$WORK/slate.png")" != "$(identify -format '%w' "$WORK/a.png")" ] || fail "--skin slate did not change the frame size"
# The face's rim is soft: alpha takes values between transparent and opaque.
convert "$WORK/a.png" -alpha extract -format '%c' histogram:info:- | awk '{print $NF}' | grep -vqE 'gray\((0|255)\)' || fail "no soft edge"
identify -format '%w %h %[channels]' "$WORK/a.png" | grep -q 'srgba' || fail "the frame has no alpha"
echo "ok"
