#!/usr/bin/env bash
# What the clock holds and how soon it shows, beside the plain floor (bench/plain_floor_win32.cpp:
# a layered window of the clock's size with the same 100 ms timer, and nothing else), in one run:
#   - the time from launch to a visible window, with the Wine server and Wine's desktop already
#     running (as after logon), RUNS times each, clock and floor in turn, after a first start
#     of each that is not counted;
#   - the anonymous memory (/proc/PID/smaps_rollup) of each after SECONDS, at 100 % and 200 %
#     display scale (Wine's LogPixels 96 and 192), RUNS times each, both running side by side.
# Each figure comes as min / median / max, then clock against floor: the ratio of the medians
# for the time, the difference for the memory. Both run on a scratch copy of the prefix's
# registry, from the default settings. Without a display it starts Xvfb, as ./ormel run does.
#   bench/footprint.sh [RUNS] [DIST]
# FOOTPRINT_SECONDS (60 by default) is how long both run before their memory is read.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
seconds=${FOOTPRINT_SECONDS:-60}
source "$root/bench/wine_bench.sh"
find_programs footprint "${2:-}"

source "$root/tools/virtual_display.sh"
ensure_display
source "$root/tests/gui/gui_lib.sh" "$dist"

make_scratch_prefix "$prefix" "$WORK/prefix"
export WINEPREFIX=$WORK/prefix

floor_pid="" holder=""
finish() {
  [ -z "$floor_pid" ] || kill "$floor_pid" 2>/dev/null || true
  stop_holder
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
  cleanup
}
trap finish EXIT

now_us() { echo "${EPOCHREALTIME/./}"; }
floor_window() { xdotool search --maxdepth 1 --onlyvisible --name '^plain floor$' 2>/dev/null | head -1 || true; }
floor_appeared() { [ -n "$(floor_window)" ]; }
# Polls every 10 ms for at most 30 s: the 0.1 s of `within` would round the times away.
visible_within_30s() {
  local deadline=$(($(now_us) + 30000000))
  until "$1"; do
    [ "$(now_us)" -lt "$deadline" ] || fail "no window of $2 within 30 s; windows seen: $(windows_seen)"
    sleep 0.01
  done
}
stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
start_floor() {
  "$WINE_RUN" "$floor_exe" "$WIDTH" "$HEIGHT" "$1" "$Y" &
  floor_pid=$!
}
# Wine's desktop ends a second after the last program that uses it, and the next program then
# waits for a new one: a program that waits for a line on standard input holds it meanwhile,
# as a user's desktop is always there. The Wine server's end ends it.
start_holder() {
  mkfifo "$WORK/hold"
  "$WINE_RUN" cmd /c "set /p line=" <"$WORK/hold" >/dev/null 2>&1 &
  holder=$!
  exec 9>"$WORK/hold"
}
stop_holder() {
  [ -n "$holder" ] || return 0
  kill "$holder" 2>/dev/null || true
  wait "$holder" 2>/dev/null || true
  exec 9>&-
  rm -f "$WORK/hold"
  holder=""
}
# The Wine server, started anew so that it reads the display scale, and Wine's desktop, which
# the first program starts: the clock once, which also gives its window's size and place.
restart_session() {
  stop_holder
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  /usr/lib/wine/wineserver -p
  start_holder
  "$WINE_RUN" "$EXE" &
  pid=$!
  visible_within_30s clock_appeared "the clock"
  eval "$(xdotool getwindowgeometry --shell "$(clock_window)")"
  sleep 2
  stop "$pid"
  pid=""
}

# Sets elapsed to the milliseconds from launch to a visible window of clock or floor ($1).
launch() {
  local start
  start=$(now_us)
  if [ "$1" = clock ]; then
    "$WINE_RUN" "$EXE" &
    pid=$!
    visible_within_30s clock_appeared "the clock"
  else
    start_floor "$X"
    visible_within_30s floor_appeared "the plain floor"
  fi
  elapsed=$((($(now_us) - start) / 1000))
  sleep 1
  stop "${pid:-$floor_pid}"
  pid="" floor_pid=""
  sleep 2  # until the Wine server has seen it go
}

# Anonymous memory of process $1 in kB.
anonymous_kb() { awk '$1 == "Anonymous:" { print $2 }' "/proc/$1/smaps_rollup"; }

# min / median / max of the numbers on standard input, through the awk format $1.
spread() { sort -n | awk -v f="$1" '{ v[NR] = $1 } END { printf f " / " f " / " f "\n", v[1], v[int((NR + 1) / 2)], v[NR] }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
mib() { awk '{ print $1 / 1024 }'; }

reset_settings
restart_session
launch floor  # the floor's files read once, as the clock's are
clock_ms="" floor_ms=""
for _ in $(seq "$runs"); do
  launch clock
  clock_ms+="$elapsed"$'\n'
  launch floor
  floor_ms+="$elapsed"$'\n'
done
echo "window visible after launch, ms, $runs runs (min / median / max):"
echo "  ormel clock: $(spread %d <<<"${clock_ms%$'\n'}")"
echo "  plain floor: $(spread %d <<<"${floor_ms%$'\n'}")"
echo "  ratio (clock / floor, medians): $(echo "scale=2; $(median <<<"${clock_ms%$'\n'}") / $(median <<<"${floor_ms%$'\n'}")" | bc)"

for dpi in 96 192; do
  "$WINE_RUN" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  restart_session
  clock_kb="" floor_kb=""
  for _ in $(seq "$runs"); do
    "$WINE_RUN" "$EXE" &
    pid=$!
    start_floor $((X + WIDTH + 10))  # beside the clock
    visible_within_30s clock_appeared "the clock"
    visible_within_30s floor_appeared "the plain floor"
    sleep "$seconds"
    clock_kb+="$(anonymous_kb "$pid")"$'\n'
    floor_kb+="$(anonymous_kb "$floor_pid")"$'\n'
    stop "$pid"
    stop "$floor_pid"
    pid="" floor_pid=""
  done
  clock_kb=${clock_kb%$'\n'} floor_kb=${floor_kb%$'\n'}
  echo "anonymous memory after $seconds s at $((dpi * 100 / 96)) % (${WIDTH}x$HEIGHT), MiB, $runs runs (min / median / max):"
  echo "  ormel clock: $(mib <<<"$clock_kb" | spread %.1f)"
  echo "  plain floor: $(mib <<<"$floor_kb" | spread %.1f)"
  echo "  clock - floor (medians): $(awk -v c="$(median <<<"$clock_kb")" -v f="$(median <<<"$floor_kb")" \
    'BEGIN { printf "%+.1f\n", (c - f) / 1024 }')"
done
