#!/usr/bin/env bash
# The one installed skin is broken: the clock says so in one message naming the skin and what
# is wrong with it, and once the user closes the message the program ends with exit code 1,
# without a clock window and without a crash.
source "$(dirname "$0")/gui_lib.sh"
reset_settings
cp -r "$DIST" "$WORK/dist"
EXE=$WORK/dist/OrmelClock.exe
# One skin only: Wine's trace cuts a longer message short.
rm -r "$WORK/dist/face/slate"
rm "$WORK/dist/face/royale/skin.xml"

start_traced
within 15 traced_box_shown || fail "no message box at start-up; windows seen: $(windows_seen)"
[ "$(box_texts | wc -l)" -eq 1 ] || fail "more than one message: $(box_texts)"
text=$(box_texts)
case $text in *'The skin \"royale\" cannot be shown'*'skin.xml: The file does not exist.'*) ;;
  *) fail "the message does not say what is wrong with royale: $text" ;; esac
case $text in *'No installed skin can be shown.'*) ;; *) fail "the message does not say that no skin can be shown: $text" ;; esac
close_box "$box"

rc=0
wait_for_exit "$pid" 20 || rc=$?
[ "$rc" -ne 124 ] || fail "the program still ran 20 s after the message closed; windows seen: $(windows_seen)"
pid=""
[ "$rc" -eq 1 ] || fail "the program ended with $rc, not 1"
[ "$(box_texts | wc -l)" -eq 1 ] || fail "another message followed: $(box_texts)"
# Wine reports a crash on standard error.
crash=$(grep -aiE 'unhandled|page fault|err:seh|backtrace' "$TRACE" | head -3 || true)
[ -z "$crash" ] || fail "the program crashed: $crash"
[ -z "$(xdotool search --onlyvisible --name '^(Ormel Clock|Program Error)$' 2>/dev/null || true)" ] ||
  fail "a window is left behind: $(windows_seen)"
echo "ok"
