#!/usr/bin/env bash
# What the clock costs while nothing happens, beside a peer: the clock in Clock mode for
# SECONDS (45 by default), then the idle floor (bench/idle_floor_win32.cpp: a layered window
# of the same size with the same 100 ms timer and one window update a second, and nothing
# else) under Wine, then `xclock -render -update 1` of the same size at the same place on the
# same display, each for as long. For each it counts the CPU time that the scheduler keeps to
# the nanosecond for every thread (/proc/PID/task/*/schedstat; 1/100 s ticks were too coarse
# for xclock's few milliseconds) of the program and of the X server, and for the Wine
# programs also of the Wine server, which does part of every Wine program's work. The last
# lines are the ratios of the totals: the clock against xclock, the floor against xclock
# (what any clock of this design costs under this Wine) and the clock against the floor.
# The clock runs on a scratch copy of the prefix's registry, so it starts from the default
# settings (Clock mode, local time, or the world zone of --zone, named by its registry key
# such as "Tokyo Standard Time") and its Wine server serves nothing else. Without a display
# it starts Xvfb, as ./ormel run does.
#   bench/idle_cost.sh [--zone KEY] [SECONDS] [DIST]
# IDLE_FLOOR_TICK=1000 gives the floor a 1 s tick instead of 100 ms: what the tick costs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
zone=""
if [ "${1:-}" = --zone ]; then
  zone=${2:?--zone needs the registry key name of a zone}
  shift 2
fi
seconds=${1:-45}
prefix=${WINEPREFIX:-$root/build/wineprefix}
tree=$root/build/win32
[ -f "$prefix/.win64" ] && tree=$root/build/win64
dist=${2:-$tree/dist}
[ -f "$dist/OrmelClock.exe" ] || { echo "idle_cost: $dist/OrmelClock.exe is missing: ./ormel build" >&2; exit 2; }
floor_exe=$(dirname "$dist")/bench/idle_floor.exe
[ -f "$floor_exe" ] || { echo "idle_cost: $floor_exe is missing: ./ormel build" >&2; exit 2; }
[ -f "$prefix/system.reg" ] || { echo "idle_cost: no Wine prefix in $prefix: ./ormel build" >&2; exit 2; }
command -v xclock >/dev/null || { echo "idle_cost: xclock is missing (Debian package x11-apps)" >&2; exit 2; }

source "$root/tools/virtual_display.sh"
ensure_display
source "$root/tests/gui/gui_lib.sh" "$dist"

# The scratch prefix shares the Windows folders (read-only to the clock), not the registry.
scratch=$WORK/prefix
mkdir "$scratch"
cp -a "$prefix"/*.reg "$prefix/.update-timestamp" "$prefix/dosdevices" "$scratch/"
[ -f "$prefix/.win64" ] && cp "$prefix/.win64" "$scratch/"
ln -s "$prefix/drive_c" "$scratch/drive_c"
export WINEPREFIX=$scratch

peer="" wine_server=""
finish() {
  [ -z "$peer" ] || kill "$peer" 2>/dev/null || true
  [ -z "$wine_server" ] || /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
  cleanup
}
trap finish EXIT

# The X server of $DISPLAY: the one started here, else the owner of the display's lock.
x_server=$XVFB_PID
if [ -z "$x_server" ]; then
  number=${DISPLAY#*:}
  number=${number%%.*}
  x_server=$(tr -d ' ' <"/tmp/.X$number-lock" 2>/dev/null) ||
    fail "no X server of display $DISPLAY on this machine (no /tmp/.X$number-lock)"
fi

# The run time of process $1's threads so far, in microseconds.
cpu_us() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%d\n", ns / 1000}'; }

# Prints "NAME MICROSECONDS" for each NAME=PID over $seconds, then "total MICROSECONDS".
measure() {
  local pair start=() i=0 used total=0
  for pair in "$@"; do start+=("$(cpu_us "${pair#*=}")"); done
  sleep "$seconds"
  for pair in "$@"; do
    used=$(($(cpu_us "${pair#*=}") - start[i]))
    echo "${pair%=*} $used"
    total=$((total + used))
    i=$((i + 1))
  done
  echo "total $total"
}

# Wine's own server for the scratch prefix, started here so that its process is known.
start_wine_server() {
  /usr/lib/wine/wineserver -f -p &
  wine_server=$!
}
# Ends $pid and the Wine server, so that the next program starts from a quiet display.
stop_wine_program() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  wait "$wine_server" 2>/dev/null || true
  wine_server=""
}

start_wine_server
reset_settings
[ -z "$zone" ] || "$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v TimeZoneKey /d "$zone" /f >/dev/null
start_clock
xdotool mousemove 0 0  # no hover on the face
sleep 3  # past the Wine services' start in the new prefix
ours=$(measure clock="$pid" wineserver="$wine_server" "X server"="$x_server")
stop_wine_program

# The floor on the same spot, with a Wine server of its own.
start_wine_server
"$WINE_RUN" "$floor_exe" "$WIDTH" "$HEIGHT" "$X" "$Y" "${IDLE_FLOOR_TICK:-100}" &
pid=$!
floor_shown() { xdotool search --onlyvisible --name '^idle floor$' >/dev/null 2>&1; }
await 30 "the idle floor showed no window" floor_shown
sleep 3
floor=$(measure floor="$pid" wineserver="$wine_server" "X server"="$x_server")
stop_wine_program

# The peer on the same spot, once every Wine process has gone.
xclock -render -update 1 -geometry "${WIDTH}x${HEIGHT}+$X+$Y" 2>/dev/null &
peer=$!
peer_shown() { xdotool search --onlyvisible --class xclock >/dev/null 2>&1; }
await 30 "xclock showed no window" peer_shown
sleep 3
theirs=$(measure xclock="$peer" "X server"="$x_server")

# report RESULT NAME: NAME's time in RESULT, in milliseconds.
report() { sed -n "s/^$2 //p" <<<"$1" | awk '{printf "%.1f", $1 / 1000}'; }
total_of() { sed -n 's/^total //p' <<<"$1"; }
# ratio NAME A B: A / B of two times in microseconds, to a hundredth.
ratio() {
  if [ "$3" -eq 0 ]; then
    echo "$1: more than $2 us (the second used no measurable time)"
  else
    echo "$1: $(echo "scale=2; $2 / $3" | bc)"
  fi
}
echo "CPU time over $seconds s, in milliseconds:"
echo "ormel clock${zone:+ showing $zone}: clock $(report "$ours" clock), wineserver $(report "$ours" wineserver), X server $(report "$ours" "X server"): $(report "$ours" total)"
echo "idle floor (tick ${IDLE_FLOOR_TICK:-100} ms): floor $(report "$floor" floor), wineserver $(report "$floor" wineserver), X server $(report "$floor" "X server"): $(report "$floor" total)"
echo "xclock -render -update 1 (${WIDTH}x$HEIGHT): xclock $(report "$theirs" xclock), X server $(report "$theirs" "X server"): $(report "$theirs" total)"
ours_total=$(total_of "$ours") floor_total=$(total_of "$floor") theirs_total=$(total_of "$theirs")
ratio "ratio (idle floor / xclock)" "$floor_total" "$theirs_total"
ratio "ratio (ormel clock / idle floor)" "$ours_total" "$floor_total"
ratio "ratio (ormel clock / xclock)" "$ours_total" "$theirs_total"
