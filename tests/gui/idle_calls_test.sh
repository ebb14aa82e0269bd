#!/usr/bin/env bash
# The idle clock asks the window system only what its frames need: beyond getting and
# dispatching its ten ticks a second, each call into user32 or gdi32 is one that a second's
# frame makes (the time, the text, the present, the full-screen look). Wine's relay trace
# lists every call a program makes into those modules.
source "$(dirname "$0")/gui_lib.sh"
reset_settings
TRACE=$WORK/relay.txt
WINEDEBUG=+timestamp,+relay "$WINE_RUN" "$EXE" 2>"$TRACE" &
pid=$!
wait_for_window "no clock window appeared"
# The start-up fade ends with its timer killed; the idle seconds are the ones after it.
trace_time() { tail -n 1 "$TRACE" | cut -d: -f1; }
fade_end() { grep -a 'Call user32.KillTimer' "$TRACE" | tail -n 1 | cut -d: -f1; }
idle_for_5_s() { local end; end=$(fade_end); [ -n "$end" ] && [ "$(echo "$(trace_time) - $end >= 5" | bc)" = 1 ]; }
await 60 "the clock's start-up fade did not end" idle_for_5_s
kill "$pid"
pid=""

# The idle seconds: three, from a second after the fade.
idle_from=$(echo "$(fade_end) + 1" | bc)
idle_to=$(echo "$idle_from + 3" | bc)

# The calls of the idle seconds, each with its count: "COUNT NAME".
calls_of_idle_seconds() {
  awk -F: -v from="$idle_from" -v to="$idle_to" '
    $1 + 0 >= from && $1 + 0 < to && $3 ~ /^Call (user32|gdi32)\./ {
      name = $3; sub(/^Call /, "", name); sub(/\(.*/, "", name); n[name]++
    }
    END { for (k in n) print n[k], k }' "$TRACE"
}
calls=$(calls_of_idle_seconds)
count_of() { awk -v name="$1" '$2 == name { print $1 }' <<<"$calls"; }
ticks=$(count_of user32.DispatchMessageW)
[ "${ticks:-0}" -ge 15 ] || fail "the clock dispatched ${ticks:-no} messages in 3 idle seconds; calls seen: $calls"
others=$(awk '$2 != "user32.GetMessageW" && $2 != "user32.DispatchMessageW" { s += $1 } END { print s + 0 }' <<<"$calls")
# A second's frame makes about twenty such calls, and each tick asks for its window's object.
[ "$others" -le $((25 * ticks / 10 + 10)) ] ||
  fail "the idle clock made $others calls beyond its $ticks messages in 3 s: $calls"
# Between two whole seconds a tick cannot change anything, and the idle clock reads the time
# only at the ticks next to the second's end and for each second's frame.
time_reads=$(awk -F: -v from="$idle_from" -v to="$idle_to" '
  $1 + 0 >= from && $1 + 0 < to && $3 ~ /^Call KERNEL32\.(GetSystemTimeAsFileTime|GetLocalTime|GetSystemTime)\(/ { n++ }
  END { print n + 0 }' "$TRACE")
[ "$time_reads" -le 12 ] || fail "the idle clock read the time $time_reads times in 3 s (at $ticks ticks)"
for needless in user32.TranslateAcceleratorW user32.IsDialogMessageW user32.TranslateMessage user32.GetKeyState \
  user32.GetCursorPos; do
  [ -z "$(count_of "$needless")" ] || fail "the idle clock called $needless $(count_of "$needless") times in 3 s"
done
echo "ok"
