#!/usr/bin/env bash
# The hourly chime as a new user has it: on, it strikes as the full hour begins and plays to its
# end (on the null sound device every program under test has) without a word to the user. The
# test picks the zone in which the hour begins a few seconds after the clock has started.
source "$(dirname "$0")/gui_lib.sh"
reset_settings
"$WINE_RUN" reg delete 'HKCU\Software\Kandrel\OrmelClock' /v Chimes1_Checked /f >/dev/null

# The full hour begins 15 s after the start: long enough for the clock to start on a busy machine.
# The zone's offset has seconds: Wine's local time follows them (its zone bias, whole minutes,
# does not, but the chime asks only for the local time).
lead=15
hour_begins=$(($(date -u +%s) + lead))
TZ=$(zone_where_it_is 12 00 "$hour_begins")

# Wine traces each MCI command, and the text of each message box.
WINEDEBUG=trace+msgbox,trace+mci "$WINE_RUN" "$EXE" 2>"$TRACE" &
pid=$!
within 15 clock_appeared || fail "no clock window appeared within 15 s; windows seen: $(windows_seen)"
[ "$(date -u +%s)" -lt "$hour_begins" ] || fail "the clock took longer than $lead s to start: the hour began first"
mci_trace() { grep -a 'mciSendCommand[AW]' "$TRACE" || true; }
[ -z "$(mci_trace)" ] || fail "a sound played before the hour: $(mci_trace | head -3)"

chime_closed() { mci_trace | grep -q 'MCI_CLOSE'; }
chime_ended() { chime_closed || [ -n "$(box_texts)" ]; }
await $((lead + 15)) "the chime did not play to its end at the full hour" chime_ended
[ -z "$(box_texts)" ] || fail "the chime showed a message: $(box_texts)"
[ "$(date -u +%s)" -ge "$hour_begins" ] || fail "the chime struck before the full hour"
grep -aq 'MCI_Open lpstrElementName=.*chime\.mp3' "$TRACE" || fail "the sound played at the hour was not chime.mp3"
wait_for_rest "$win" || fail "the clock did not come to rest"
exit_clock "$pid" "$win"
reset_settings  # the next test starts afresh
echo "ok"
