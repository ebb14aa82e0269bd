#!/usr/bin/env bash
# CPU time the running clock uses in Clock mode over a minute under Wine (needs a display).
#   bench/clock_cpu.sh [DIST] [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=${1:-$root/build/win64/dist}
seconds=${2:-60}
"$root/tools/wine-run" "$dist/OrmelClock.exe" &
sleep 6  # past the start-up fade
pid=$(pgrep -f 'OrmelClock.exe' | head -1)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
start=$(ticks)
sleep "$seconds"
end=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU time over ${seconds} s: $(echo "scale=3; ($end - $start) / $hz" | bc) s"
kill "$pid"
