#!/usr/bin/env bash
# Soak of the running clock under Wine (needs a display): for SECONDS (600 by default) a
# driver presses a mode key (1 to 5) every second, picks the next skin from the Skins
# submenu every 10 s and hides and shows the clock through the menu's Show/Hide every 30 s.
# Every minute it samples the clock's memory (VmRSS) and its GDI, USER and kernel objects
# (bench/process_objects_win32.cpp); all samples fall on the same mode and skin, so any
# growth between the first minute (warm-up) and the end is a leak. A run across the full
# hour also hears the chime: under Wine the first one loads GStreamer (about 40 MB), and
# every mp3 opened and closed through MCI keeps about 70 kernel handles in Wine's own
# mpegvideo driver (a bare open/play/close loop does the same).
#   bench/soak.sh [SECONDS] [DIST]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
prefix=${WINEPREFIX:-$root/build/wineprefix}
tree=$root/build/win32
[ -f "$prefix/.win64" ] && tree=$root/build/win64
dist=${2:-$tree/dist}
helper=$tree/bench/process_objects.exe
[ -n "${DISPLAY:-}" ] || { echo "soak: needs a display (start Xvfb and set DISPLAY)" >&2; exit 2; }
[ -f "$helper" ] || { echo "soak: $helper is missing: ./ormel build" >&2; exit 2; }
[ "$seconds" -ge 120 ] || { echo "soak: run at least 120 s (two samples)" >&2; exit 2; }
source "$root/tests/gui/gui_lib.sh" "$dist"

mapfile -t skins < <(cd "$dist/face" && for d in */; do [ -f "$d/skin.xml" ] && echo "${d%/}"; done | sort)
skin_width() { sed -n 's/.*<clockface width="\([0-9]*\)".*/\1/p' "$dist/face/$1/skin.xml"; }

start_clock

focus_face() {
  face_point "$win"
  xdotool mousemove "$CX" "$CY" click 1
  sleep 0.2
}

switches=0 switches_seen=0
next_skin() {
  local index=$(((switches + 1) % ${#skins[@]})) downs=()
  local i
  for ((i = 0; i < index; i++)); do downs+=(Down); done
  # Skins is the third item from the bottom; its submenu opens on its first skin.
  menu_keys "$win" Up Up Up Right "${downs[@]}" Return
  switches=$((switches + 1))
  local want tries
  want=$(skin_width "${skins[$index]}")
  for tries in $(seq 30); do
    sleep 0.1
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "$WIDTH" = "$want" ] && { switches_seen=$((switches_seen + 1)); break; }
  done
  focus_face
}

hide_shows=0
hide_and_show() {
  menu_keys "$win" Down Down Return  # About, then Show/Hide
  sleep 1.5
  # Hidden, the clock is reached through its tray icon's menu.
  local tray tries
  tray=$(xdotool search --name 'Wine System Tray' | head -1)
  xdotool mousemove --window "$tray" 10 10 click 3
  sleep 1
  xdotool key Down Down Return
  for tries in $(seq 50); do
    xwininfo -id "$win" | grep -q IsViewable && break
    sleep 0.1
  done
  wait_for_rest "$win" || fail "the clock did not come back to rest"
  hide_shows=$((hide_shows + 1))
  focus_face
}

samples=()
sample() {
  local rss objects
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  objects=$("$WINE_RUN" "$helper" | tr -d '\r')
  samples+=("$1 rss_kib=$rss $objects")
  echo "t=${samples[-1]}"
}

focus_face
sample 0
start=$(date +%s)
keys=0
for ((t = 1; t < seconds; t++)); do
  now=$(date +%s)
  [ "$now" -lt $((start + t)) ] && sleep $((start + t - now))
  if ((t % 30 == 0)); then
    hide_and_show
  elif ((t % 10 == 0)); then
    next_skin
  else
    xdotool key $((t % 5 + 1))
    keys=$((keys + 1))
  fi
  ((t % 60 == 59)) && sample "$t"
done

kill -0 "$pid" 2>/dev/null || fail "the clock ended during the soak"
echo "soak: $seconds s, $keys mode keys, $switches skin switches ($switches_seen seen at the skin's size), $hide_shows hide/show"

# Growth from the first minute to the last sample, field by field.
declare -A before
for field in ${samples[1]}; do before[${field%%=*}]=${field#*=}; done
growth=""
for field in ${samples[-1]}; do
  name=${field%%=*}
  [ -n "${before[$name]:-}" ] && [ "$name" != "${field}" ] && growth+=" $name $((${field#*=} - ${before[$name]}))"
done
echo "growth from t=${samples[1]%% *} to t=${samples[-1]%% *}:$growth"
exit_clock "$pid" "$win"
echo "the clock ended through Exit"
