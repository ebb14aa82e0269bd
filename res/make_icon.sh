#!/usr/bin/env bash
# Draws the clock's icon (16, 32 and 48 pixels, with alpha) into res/ormel.ico.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 32 48; do
  c=$(echo "$s / 2 - 0.5" | bc -l)
  r=$(echo "$s / 2 - 1" | bc -l)
  w=$(echo "$s / 12" | bc -l)
  convert -size ${s}x${s} xc:none -antialias \
    -fill '#2c3146' -stroke '#c8b47a' -strokewidth "$w" -draw "circle $c,$c $c,$(echo "$c - $r" | bc -l)" \
    -stroke '#f3ead6' -strokewidth "$(echo "$w * 1.6" | bc -l)" \
    -draw "line $c,$c $c,$(echo "$c - $r * 0.62" | bc -l)" \
    -draw "line $c,$c $(echo "$c + $r * 0.45" | bc -l),$c" \
    -stroke '#d8553f' -strokewidth "$w" -draw "line $c,$c $(echo "$c - $r * 0.5" | bc -l),$(echo "$c + $r * 0.62" | bc -l)" \
    "PNG32:$tmp/icon$s.png"
done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" ormel.ico
