#!/usr/bin/env bash
# What the clock costs while nothing happens, beside a floor and a peer, all at the same time:
# the clock in Clock mode; under Wine the plain floor (bench/plain_floor_win32.cpp: a topmost
# layered window of the same size with the same 100 ms timer and an update every tenth tick,
# and nothing else); the text floor (the plain floor that at each update also measures and
# draws a time text in the clock's time label font and size, once: what the platform does
# for any clock that draws its time with GDI); the frame floor (the plain floor showing the
# clock's own snapshots of two seconds in a row in turn, each second handing over the
# rectangle in which they differ: what presenting the clock's pixels, with their round shape
# and soft edges, costs the platform when nothing is computed); and `xclock -render -update 1`
# of the same size. Each runs at the same place on a display of its
# own (Xvfb), the Wine programs each with a Wine server of its own, so that the load of the
# machine, which changes from minute to minute, falls on all of them alike. They are measured
# for SECONDS (45 by default) with the pointer off them, then for as long with it resting on a
# free point of their faces (where the clock's hover has nothing to light), from the clock's
# second minute on.
# For each it counts the CPU time that the scheduler keeps to the nanosecond for every thread
# (/proc/PID/task/*/schedstat) of the program, of its X server and, for the Wine programs, of
# its Wine server, which does part of every Wine program's work. The last lines are the ratios
# of the totals: the clock against the floors, the text floor and the frame floor against the
# plain one (what the time text and the clock's pixels cost the platform), and the plain floor
# against xclock (what any clock built this way costs under this Wine).
# The clock runs on a scratch copy of the prefix's registry, so it starts from the default
# settings (Clock mode, local time, or the world zone of --zone, named by its registry key
# such as "Tokyo Standard Time").
#   bench/idle_cost.sh [--zone KEY] [SECONDS] [DIST]
# FLOOR_TICK=1000 gives the floor a 1 s tick instead of 100 ms (its update still comes once a
# second): what the tick costs. UNSHAPED=1 tells Wine's X11 driver in every seat not to shape
# layered windows ("ShapeLayeredWindows"), which it otherwise works out again from the alpha of
# the whole window at every present: what the clock's round shape costs the platform.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
zone=""
if [ "${1:-}" = --zone ]; then
  zone=${2:?--zone needs the registry key name of a zone}
  shift 2
fi
seconds=${1:-45}
source "$root/bench/wine_bench.sh"
find_programs idle_cost "${2:-}"
command -v xclock >/dev/null || { echo "idle_cost: xclock is missing (Debian package x11-apps)" >&2; exit 2; }

source "$root/tools/virtual_display.sh"
# The clock's display, which the test steps want before they start.
start_display
export DISPLAY=$XVFB_DISPLAY
x_servers=("$XVFB_PID") wine_servers=() peer=""
source "$root/tests/gui/gui_lib.sh" "$dist"
finish() {
  local p
  [ -z "$peer" ] || kill "$peer" 2>/dev/null || true
  for p in "${wine_servers[@]}"; do WINEPREFIX=$p /usr/lib/wine/wineserver -k 2>/dev/null || true; done
  for p in "${x_servers[@]}"; do kill "$p" 2>/dev/null || true; done
  cleanup
}
trap finish EXIT

# seat NAME: a display (the one already started, the first time) and a scratch prefix of
# NAME's own, exported as DISPLAY and WINEPREFIX, with the prefix's Wine server started; sets
# x_server and wine_server to their processes.
seat() {
  if [ ${#wine_servers[@]} -gt 0 ]; then
    start_display
    export DISPLAY=$XVFB_DISPLAY
    x_servers+=("$XVFB_PID")
  fi
  x_server=$XVFB_PID
  export WINEPREFIX=$WORK/$1
  make_scratch_prefix "$prefix" "$WINEPREFIX"
  /usr/lib/wine/wineserver -f -p &
  wine_server=$!
  wine_servers+=("$WINEPREFIX")
  [ -z "${UNSHAPED:-}" ] ||
    "$WINE_RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v ShapeLayeredWindows /d N /f >/dev/null
}

seat clock
clock_display=$DISPLAY
reset_settings
[ -z "$zone" ] || "$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v TimeZoneKey /d "$zone" /f >/dev/null
start_clock  # sets X Y WIDTH HEIGHT and the face point CX CY
clock_started=$SECONDS
clock_pids="clock=$pid clock.wineserver=$wine_server clock.X=$x_server"

# The floor at the clock's place.
seat plain
"$WINE_RUN" "$floor_exe" "$WIDTH" "$HEIGHT" "$X" "$Y" "${FLOOR_TICK:-100}" &
floor_pids="plain=$! plain.wineserver=$wine_server plain.X=$x_server"
floor_display=$DISPLAY
floor_shown() { xdotool search --onlyvisible --name '^plain floor$' >/dev/null 2>&1; }
await 30 "the plain floor showed no window" floor_shown

# The text floor, in the font and size of the default skin's time label at 100 %.
seat text
"$WINE_RUN" "$floor_exe" "$WIDTH" "$HEIGHT" "$X" "$Y" "${FLOOR_TICK:-100}" \
  "$(win_path "$dist/face/royale/DSEG7Classic-Regular.ttf")" "DSEG7 Classic" 13 &
text_pids="text=$! text.wineserver=$wine_server text.X=$x_server"
text_display=$DISPLAY
await 30 "the text floor showed no window" floor_shown

# The frame floor, with the clock's frames of two seconds in a row (at the clock's size).
seat frames
for second in 30 31; do
  "$WINE_RUN" "$dist/OrmelClock.exe" --snapshot "$(win_path "$WORK/frame$second.png")" --at "2026-12-10 10:20:$second"
done
"$WINE_RUN" "$floor_exe" "$WIDTH" "$HEIGHT" "$X" "$Y" "${FLOOR_TICK:-100}" \
  --frames "$(win_path "$WORK/frame30.png")" "$(win_path "$WORK/frame31.png")" &
frames_pids="frames=$! frames.wineserver=$wine_server frames.X=$x_server"
frames_display=$DISPLAY
await 30 "the frame floor showed no window (are the clock's snapshots ${WIDTH}x$HEIGHT?)" floor_shown

start_display
x_servers+=("$XVFB_PID")
export DISPLAY=$XVFB_DISPLAY
xclock -render -update 1 -geometry "${WIDTH}x${HEIGHT}+$X+$Y" 2>/dev/null &
peer=$!
peer_shown() { xdotool search --onlyvisible --class xclock >/dev/null 2>&1; }
await 30 "xclock showed no window" peer_shown
peer_pids="xclock=$peer xclock.X=$XVFB_PID"
wine_displays=("$clock_display" "$floor_display" "$text_display" "$frames_display")

# The run time of process $1's threads so far, in microseconds.
cpu_us() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%d\n", ns / 1000}'; }

# Prints "NAME MICROSECONDS" for each NAME=PID over $seconds.
measure() {
  local pair start=() i=0
  for pair in "$@"; do start+=("$(cpu_us "${pair#*=}")"); done
  sleep "$seconds"
  for pair in "$@"; do
    echo "${pair%=*} $(($(cpu_us "${pair#*=}") - start[i]))"
    i=$((i + 1))
  done
}

# pointer_to X Y: the pointer of every Wine program's display to (X, Y).
pointer_to() {
  local d
  for d in "${wine_displays[@]}"; do DISPLAY=$d xdotool mousemove "$1" "$2"; done
}

# shellcheck disable=SC2086  # the lists of pairs split into words
everyone() { measure $clock_pids $floor_pids $text_pids $frames_pids $peer_pids; }
pointer_to 0 0
# Past the clock's first minute, in which it paints each of the second hand's angles once and
# keeps it: the cost of a clock that runs on is that of the minutes after.
sleep $((clock_started + 62 - SECONDS > 3 ? clock_started + 62 - SECONDS : 3))
off=$(everyone)
pointer_to "$CX" "$CY"
sleep 2  # past the hover's first reactions
on=$(everyone)

# ms RESULT NAME: NAME's time in RESULT, in milliseconds.
ms() { awk -v n="$2" '$1 == n {printf "%.1f", $2 / 1000}' <<<"$1"; }
# total RESULT PROGRAM: the microseconds of PROGRAM and of its servers.
total() { awk -v p="$2" '$1 == p || index($1, p ".") == 1 {t += $2} END {print t}' <<<"$1"; }
# line LABEL PROGRAM RESULT: PROGRAM's own time, its servers' and their sum.
line() {
  local servers=" + X server $(ms "$3" "$2.X")"
  [ "$2" = xclock ] || servers=" + wineserver $(ms "$3" "$2.wineserver")$servers"
  echo "  $1: $(ms "$3" "$2")$servers = $(awk -v t="$(total "$3" "$2")" 'BEGIN {printf "%.1f", t / 1000}')"
}
# ratio NAME A B: A / B of two times in microseconds, to a hundredth.
ratio() {
  if [ "$3" -eq 0 ]; then
    echo "  $1: more than $2 us (the second used no measurable time)"
  else
    echo "  $1: $(echo "scale=2; $2 / $3" | bc)"
  fi
}
for pointer in off on; do
  result=$off where="off the windows"
  [ "$pointer" = off ] || result=$on where="resting on the faces"
  echo "CPU time over $seconds s, in milliseconds, the pointer $where (program + servers = total)${UNSHAPED:+, layered windows unshaped}:"
  line "ormel clock${zone:+ showing $zone}" clock "$result"
  line "plain floor (tick ${FLOOR_TICK:-100} ms)" plain "$result"
  line "text floor" text "$result"
  line "frame floor" frames "$result"
  [ "$pointer" = on ] || line "xclock -render -update 1 (${WIDTH}x$HEIGHT)" xclock "$result"
  ratio "ormel clock / plain floor" "$(total "$result" clock)" "$(total "$result" plain)"
  ratio "ormel clock / text floor" "$(total "$result" clock)" "$(total "$result" text)"
  ratio "ormel clock / frame floor" "$(total "$result" clock)" "$(total "$result" frames)"
  ratio "text floor / plain floor" "$(total "$result" text)" "$(total "$result" plain)"
  ratio "frame floor / plain floor" "$(total "$result" frames)" "$(total "$result" plain)"
  [ "$pointer" = on ] || ratio "plain floor / xclock" "$(total "$result" plain)" "$(total "$result" xclock)"
done
