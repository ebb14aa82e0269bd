#!/usr/bin/env bash
# What the clock costs while nothing happens, beside a peer: the clock in Clock mode for
# SECONDS (45 by default), then `xclock -render -update 1` of the same size at the same place
# on the same display for as long. For each it counts the CPU time, in scheduler ticks
# (1/CLK_TCK s, from /proc/PID/stat), of the program and of the X server, and for the clock
# also of the Wine server, which does part of every Wine program's work. The last line is
# the ratio of the two totals.
# The clock runs on a scratch copy of the prefix's registry, so it starts from the default
# settings (Clock mode, local time, or the world zone of --zone, named by its registry key
# such as "Tokyo Standard Time") and its Wine server serves nothing else. Without a display
# it starts Xvfb, as ./ormel run does.
#   bench/idle_cost.sh [--zone KEY] [SECONDS] [DIST]
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

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Prints "NAME TICKS" for each NAME=PID over $seconds, then "total TICKS".
measure() {
  local pair start=() i=0 used total=0
  for pair in "$@"; do start+=("$(cpu_ticks "${pair#*=}")"); done
  sleep "$seconds"
  for pair in "$@"; do
    used=$(($(cpu_ticks "${pair#*=}") - start[i]))
    echo "${pair%=*} $used"
    total=$((total + used))
    i=$((i + 1))
  done
  echo "total $total"
}

# Wine's own server for the scratch prefix, started here so that its process is known.
/usr/lib/wine/wineserver -f -p &
wine_server=$!
reset_settings
[ -z "$zone" ] || "$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v TimeZoneKey /d "$zone" /f >/dev/null
start_clock
xdotool mousemove 0 0  # no hover on the face
sleep 3  # past the Wine services' start in the new prefix
ours=$(measure clock="$pid" wineserver="$wine_server" "X server"="$x_server")

# The peer on the same spot, once every Wine process has gone.
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
/usr/lib/wine/wineserver -k 2>/dev/null || true
wait "$wine_server" 2>/dev/null || true
wine_server=""
xclock -render -update 1 -geometry "${WIDTH}x${HEIGHT}+$X+$Y" 2>/dev/null &
peer=$!
peer_shown() { xdotool search --onlyvisible --class xclock >/dev/null 2>&1; }
await 30 "xclock showed no window" peer_shown
sleep 3
theirs=$(measure xclock="$peer" "X server"="$x_server")

hz=$(getconf CLK_TCK)
report() { sed -n "s/^$2 //p" <<<"$1"; }
echo "over $seconds s, in ticks of 1/$hz s:"
echo "ormel clock${zone:+ showing $zone}: clock $(report "$ours" clock), wineserver $(report "$ours" wineserver), X server $(report "$ours" "X server"): $(report "$ours" total)"
echo "xclock -render -update 1 (${WIDTH}x$HEIGHT): xclock $(report "$theirs" xclock), X server $(report "$theirs" "X server"): $(report "$theirs" total)"
ours_total=$(report "$ours" total) theirs_total=$(report "$theirs" total)
if [ "$theirs_total" -eq 0 ]; then
  echo "ratio (ormel clock / xclock): more than $ours_total (xclock used less than a tick)"
else
  echo "ratio (ormel clock / xclock): $(echo "scale=1; $ours_total / $theirs_total" | bc)"
fi
