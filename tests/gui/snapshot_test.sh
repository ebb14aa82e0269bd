#!/usr/bin/env bash
# --snapshot renders deterministic frames: the same moment gives the same bytes, the next second another frame.
# A snapshot that fails (a skin that cannot be shown, a file it cannot write, no file name,
# an unknown option) exits 1 with its error on standard error, falls back to no other
# skin, writes no file.
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

# Exits 1 with the message $2 on standard error, writes no file $1 and does not run on as the
# clock; the rest are the arguments.
expect_failure() {
  local file=$1 words=$2 rc=0
  shift 2
  "$WINE_RUN" "$EXE" "$@" >"$WORK/out" 2>"$WORK/err" &
  pid=$!
  wait_for_exit "$pid" 20 || rc=$?
  [ "$rc" -ne 124 ] || fail "$* still ran after 20 s; windows seen: $(windows_seen)"
  pid=""
  [ "$rc" -eq 1 ] || fail "$* exited with $rc"
  grep -qF -- "$words" "$WORK/err" || fail "$* printed '$(cat "$WORK/err")', not '$words'"
  [ ! -e "$file" ] || fail "$* wrote $file"
}
cp -r "$DIST" "$WORK/dist"
EXE=$WORK/dist/OrmelClock.exe
# The example skin shows once an author copies it into face\, in the font it carries.
cp -r "$WORK/dist/example-skin" "$WORK/dist/face/example"
snap example.png "2026-12-08 10:08:30" example
[ "$(identify -format '%w x %h' "$WORK/example.png")" = "160 x 160" ] || fail "the example skin's frame is not 160 x 160"
cp -r "$WORK/dist/face/example" "$WORK/dist/face/example-unfonted"
rm "$WORK/dist/face/example-unfonted/"*.ttf
snap example-unfonted.png "2026-12-08 10:08:30" example-unfonted
cmp -s "$WORK/example.png" "$WORK/example-unfonted.png" && fail "the example skin's time looks the same without its font"
cp -r "$WORK/dist/face/royale" "$WORK/dist/face/huge"
sed -i 's/width="192" height="192"/width="60000" height="60000"/' "$WORK/dist/face/huge/skin.xml"
expect_failure "$WORK/huge.png" 'The skin "huge" cannot be shown:' --snapshot "$(win_path "$WORK/huge.png")" --skin huge
grep -qF 'the face is 60000 x 60000 pixels; at most 2048 x 2048 can be shown' "$WORK/err" || fail "no reason given: $(cat "$WORK/err")"
expect_failure "$WORK/gone.png" 'The skin "gone" cannot be shown:' --snapshot "$(win_path "$WORK/gone.png")" --skin gone
expect_failure "$WORK/no/such/folder/a.png" 'Cannot write the snapshot to' --snapshot "$(win_path "$WORK/no/such/folder/a.png")"
expect_failure "$WORK/opt.png" "Unknown command-line argument '--frobnicate'" --snapshot "$(win_path "$WORK/opt.png")" --frobnicate
# Without a file name it fails too, and does not start the clock instead.
expect_failure "$WORK/.png" "--snapshot needs the name of the PNG file to write" --snapshot ""
expect_failure "$WORK/.png" "--snapshot needs the name of the PNG file to write" --at "2026-12-08 10:08:30" --snapshot
echo "ok"
