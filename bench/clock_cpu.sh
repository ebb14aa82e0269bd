#!/usr/bin/env bash
# CPU time the running clock uses in Clock mode over a minute under Wine (needs a display).
#   bench/clock_cpu.sh [DIST] [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${WINEPREFIX:-$root/build/wineprefix}
default_dist=$root/build/win32/dist
[ -f "$prefix/.win64" ] && default_dist=$root/build/win64/dist
dist=${1:-$default_dist}
seconds=${2:-60}
"$root/tools/wine-run" reg add 'HKCU\Software\Kandrel\OrmelClock' /v ClockType /d 0 /f >/dev/null
"$root/tools/wine-run" "$dist/OrmelClock.exe" &
sleep 6  # past the start-up fade
pid=$(pgrep -f "$dist/OrmelClock.exe" | head -1)
trap 'kill "$pid" 2>/dev/null || true' EXIT
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
start=$(ticks)
sleep "$seconds"
end=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU time over ${seconds} s in Clock mode: $(echo "scale=3; ($end - $start) / $hz" | bc) s"
