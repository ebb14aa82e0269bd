#!/usr/bin/env bash
# The x86_64 build that stands in for the 32-bit program (on hosts that cannot run 32-bit code
# every test runs it instead) draws the same frames, bit for bit: both do their arithmetic in
# SSE2, so date-times, hand angles and resampling round alike.
#   stand_in_snapshots_test.sh DIST_32 DIST_64 PREFIX_64
set -euo pipefail
dist32=$1 dist64=$2 prefix64=$3
wine_run=$(cd "$(dirname "$0")/../.." && pwd)/tools/wine-run
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
win_path() { echo "Z:$(realpath -m "$1" | sed 's|/|\\|g')"; }

# snap NAME PROGRAM ARGS...: the program's snapshot into $work/NAME, or a failure in its words.
snap() {
  local name=$1
  shift
  "$wine_run" "$@" --snapshot "$(win_path "$work/$name")" >"$work/out" 2>&1 ||
    { echo "FAIL: $* gave no snapshot (exit code $?): $(cat "$work/out")"; exit 1; }
}

# moment | mode | skin | scale: hands on and between the minute marks, the date's turn, a
# leap day, each skin, and the scales whose resampling rounds most.
cases='2026-12-08 10:08:30|0|royale|1
2026-12-31 23:59:59|0|royale|1.25
2028-02-29 03:47:13|0|slate|1.5
2026-07-14 18:21:07|3|royale|2
2026-03-29 01:59:58|4|slate|1
2026-10-25 12:00:00|1|royale|1.75'
n=0 differ=0
while IFS='|' read -r at mode skin scale; do
  n=$((n + 1))
  args=(--at "$at" --mode "$mode" --skin "$skin" --scale "$scale")
  snap "32-$n.png" "$dist32/OrmelClock.exe" "${args[@]}"
  WINEPREFIX=$prefix64 WINEARCH=win64 snap "64-$n.png" "$dist64/OrmelClock.exe" "${args[@]}"
  if ! cmp -s "$work/32-$n.png" "$work/64-$n.png"; then
    echo "the frames differ at $at, mode $mode, skin $skin, scale $scale"
    differ=$((differ + 1))
  fi
done <<<"$cases"
echo "$((n - differ)) passed, $differ failed"
[ "$differ" -eq 0 ]
