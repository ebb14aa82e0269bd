#!/usr/bin/env bash
# The whole clock as a user meets it: it fades in, keys and menu items switch the modes,
# Show/Hide and the tray icon hide and show it, the skin buttons have tooltips, About
# opens the page in a stand-in browser and leaves the browser setting as it was, the
# alarms dialog opens, and Exit fades out, saves and ends the program.
source "$(dirname "$0")/gui_lib.sh"

BROWSER_KEY='HKCU\Software\Microsoft\Internet Explorer\Main'
# Wine looks up URL handlers in the machine's classes only.
HTTP_KEY='HKLM\Software\Classes\http\shell\open\command'
saved_handler=""
saved_reuse=""

reg_run() { "$WINE_RUN" reg "$@" 2>/dev/null | tr -d '\r'; }
# The data of a registry value, or nothing when it is absent.
reg_data() { { reg_run query "$1" "${@:2}" || true; } | sed -n 's/.*REG_[A-Z_]* *//p'; }
reuse_value() { reg_data "$BROWSER_KEY" /v AllowWindowReuse; }
set_reuse() {
  if [ -n "$1" ]; then reg_run add "$BROWSER_KEY" /v AllowWindowReuse /t REG_DWORD /d "$1" /f >/dev/null
  else reg_run delete "$BROWSER_KEY" /v AllowWindowReuse /f >/dev/null || true; fi
}

# Puts the browser handler and setting back, then the shared clean-up ends the clock.
restore_and_clean_up() {
  set +e
  if [ -n "$saved_handler" ]; then reg_run add "$HTTP_KEY" /ve /d "$saved_handler" /f >/dev/null
  else reg_run delete "$HTTP_KEY" /f >/dev/null; fi
  set_reuse "$saved_reuse"
  cleanup
}
trap restore_and_clean_up EXIT
trap 'exit 143' TERM INT

# --- X helpers -------------------------------------------------------------------------
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
viewable_windows() {
  local w
  for w in $(xwininfo -root -children | awk '/^ +0x/{print $1}'); do
    if viewable "$w"; then echo "$w"; fi
  done
}
# Waits up to $1 tenths of a second for the command to succeed.
wait_until() {
  local tenths=$1 i
  shift
  for i in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}
# The first window viewable now that was not in the list $1.
new_window() {
  local w
  for w in $(viewable_windows); do grep -qx "$w" <<<"$1" || { echo "$w"; return 0; }; done
  return 1
}
brightness() { import -window root -crop "$3x$4+$1+$2" -colorspace gray -format '%[fx:mean]' info:; }
clock_brightness() { brightness "$X" "$Y" "$WIDTH" "$HEIGHT"; }
less_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
clock_shown() { viewable "$win" && less_than 0.05 "$(clock_brightness)"; }
clock_hidden() { ! viewable "$win"; }
# A pixel hash of the title label, which names the mode.
title_hash() { import -window root -crop "80x12+$((X + 56))+$((Y + 60))" -format '%#' info:; }
# A free point of the face, away from the title, the hands' centre and the buttons.
at_free_point() { xdotool mousemove $((X + 30)) $((Y + HEIGHT / 2)); }

# Opens the popup menu with a right click at the pointer and presses the keys in it.
popup_keys() {
  local before
  before=$(viewable_windows)
  xdotool click 3
  wait_until 40 new_window "$before" >/dev/null || fail "no popup menu opened"
  sleep 0.2
  xdotool key "$@"
  sleep 0.3
}
clock_menu() { at_free_point; popup_keys "$@"; }
downs() { local i; for i in $(seq "$1"); do printf 'Down '; done; printf 'Return'; }

# --- set-up ----------------------------------------------------------------------------
reset_settings
saved_handler=$(reg_data "$HTTP_KEY" /ve)
# A run that was killed left its stand-in registered: Wine's own browser comes back then.
case "$saved_handler" in *browser.bat*) saved_handler='"C:\windows\system32\winebrowser.exe" "%1"' ;; esac
saved_reuse=$(reuse_value)
saved_reuse=${saved_reuse:+$((saved_reuse))}
# The stand-in browser writes the address it was asked to open to a file.
OPENED=$WORK/opened.txt
printf '@echo off\r\necho %%~1>> %s\r\n' "$(win_path "$OPENED")" >"$WORK/browser.bat"
reg_run add "$HTTP_KEY" /ve /d "\"$(win_path "$WORK/browser.bat")\" \"%1\"" /f >/dev/null
set_reuse ""

# --- start: the clock appears and fades in -------------------------------------------
"$WINE_RUN" "$EXE" &
pid=$!
find_clock() { win=$(xdotool search --name '^Ormel Clock$' 2>/dev/null | head -1) && [ -n "$win" ] && viewable "$win"; }
wait_until 150 find_clock || fail "no clock window appeared"
eval "$(xdotool getwindowgeometry --shell "$win")"
samples=()
for i in $(seq 10); do samples+=("$(clock_brightness)"); done
final=${samples[-1]}
less_than 0.05 "$final" || fail "the clock face is dark: $final"
dimmest=$(printf '%s\n' "${samples[@]}" | sort -g | head -1)
less_than "$dimmest" "$(awk -v f="$final" 'BEGIN { print f * 0.6 }')" || fail "no fade-in seen: ${samples[*]}"
# While it zoomed in the window stood elsewhere; now it is at home.
eval "$(xdotool getwindowgeometry --shell "$win")"

# --- keys 1 to 5 -----------------------------------------------------------------------
# The first click gives the window the keyboard; on the hands' centre it hides the
# hands, so that they cannot cross the title while it is compared.
xdotool mousemove $((X + 96)) $((Y + 96)) click 1
sleep 0.5
at_free_point
declare -A by_key
for k in 1 2 3 4 5; do
  xdotool key "$k"
  sleep 0.6
  by_key[$k]=$(title_hash)
done
[ "$(printf '%s\n' "${by_key[@]}" | sort -u | wc -l)" -eq 5 ] || fail "keys 1 to 5 did not give five different displays"

# --- the menu's mode items (Clock is the third item, Timer the seventh) ----------------
for k in 1 2 3 4 5; do
  clock_menu $(downs $((k + 2)))
  sleep 0.4
  [ "$(title_hash)" = "${by_key[$k]}" ] || fail "mode item $k did not show what key $k shows"
done

# --- tooltips over the skin buttons ----------------------------------------------------
# Prints the width of the tooltip that appears over (x, y) of the face, or fails.
tooltip_width() {
  local before tip
  at_free_point
  sleep 0.8
  before=$(viewable_windows)
  xdotool mousemove $((X + $1)) $((Y + $2))
  sleep 0.1
  xdotool mousemove $((X + $1 + 1)) $((Y + $2))
  tip=$(wait_until 40 new_window "$before") || return 1
  eval "$(xdotool getwindowgeometry --shell "$tip" | sed 's/^/TIP_/')"
  [ "$TIP_HEIGHT" -lt 50 ] || return 1
  echo "$TIP_WIDTH"
}
xdotool key 1
left_tip=$(tooltip_width 75 150) || fail "no tooltip over the left button"
right_tip=$(tooltip_width 117 150) || fail "no tooltip over the right button"
[ "$right_tip" -gt "$left_tip" ] || fail "\"See the time difference\" is not wider than \"Sync time\""
xdotool key 3
tooltip_width 75 150 >/dev/null && fail "a tooltip showed in UpTime mode, which has no texts"
xdotool key 1
at_free_point

# --- Show/Hide and the tray icon --------------------------------------------------------
tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1 || true)
[ -n "$tray" ] || fail "no tray icon"
tray_click() { xdotool mousemove --window "$tray" 10 10 click "$@"; }
clock_menu $(downs 2)
wait_until 50 clock_hidden || fail "Show/Hide did not hide the clock"
# The tray icon's menu works while the clock is hidden.
xdotool mousemove --window "$tray" 10 10
popup_keys Down Down Return
wait_until 50 clock_shown || fail "Show/Hide from the tray icon did not bring the clock back"
for state in hidden shown; do
  tray_click 1
  wait_until 50 "clock_$state" || fail "a click on the tray icon did not leave the clock $state"
  sleep 0.3
done

# --- About: the page in a browser window of its own, the setting put back ---------------
opened() { tr -d '\r' <"$OPENED"; }
about_opened() { [ -f "$OPENED" ] && [ "$(opened | wc -l)" -ge "$1" ]; }
clock_menu Down Return
wait_until 100 about_opened 1 || fail "About opened nothing"
opened | grep -q 'about.html?t=1$' || fail "About opened $(opened)"
opened | grep -qi "^file:///z:/" || fail "the page is not the file beside the program: $(opened)"
[ -z "$(reuse_value)" ] || fail "AllowWindowReuse was left behind: $(reuse_value)"
# A double click on the tray icon toggles the clock once and opens the page once.
set_reuse 1
tray_click --repeat 2 --delay 40 1
wait_until 100 about_opened 2 || fail "a double click on the tray icon opened no page"
wait_until 50 clock_hidden || fail "the double click did not hide the clock"
sleep 1
[ "$(opened | wc -l)" -eq 2 ] || fail "the page opened more than once"
[ "$(reuse_value)" = 0x1 ] || fail "AllowWindowReuse 1 came back as '$(reuse_value)'"
tray_click 1
wait_until 50 clock_shown || fail "the clock did not come back"
sleep 0.3

# --- the alarms dialog (fourth item from the bottom) ------------------------------------
alarms_shown() { alarms=$(xdotool search --name '^Alarms$' 2>/dev/null | head -1) && [ -n "$alarms" ] && viewable "$alarms"; }
alarms_hidden() { ! viewable "$alarms"; }
clock_menu Up Up Up Up Return
wait_until 50 alarms_shown || fail "the alarms dialog did not open"
# Digits typed into the dialog stay there: they do not switch the clock's mode.
shown_title=$(title_hash)
eval "$(xdotool getwindowgeometry --shell "$alarms" | sed 's/^/AL_/')"
xdotool mousemove $((AL_X + 300)) $((AL_Y + 440)) click 1
sleep 0.3
xdotool key 2
sleep 0.6
[ "$(title_hash)" = "$shown_title" ] || fail "a digit typed in the alarms dialog switched the clock's mode"
xdotool key alt+F4
wait_until 50 alarms_hidden || fail "closing did not hide the alarms dialog"
clock_menu Up Up Up Up Return
wait_until 50 alarms_shown || fail "the alarms dialog did not open a second time"
xdotool key alt+F4
wait_until 50 alarms_hidden || fail "the alarms dialog stayed open"

# --- a skin change moves the buttons, and their tooltips follow ---------------------------
# Skins is the third item from the end; slate (240 wide) is one of the first two folders.
for n in 1 2; do
  clock_menu Up Up Up Right $(downs $((n - 1)))
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  [ "$WIDTH" -eq 240 ] && break
done
[ "$WIDTH" -eq 240 ] || fail "slate was not among the first two skins"
tooltip_width 99 180 >/dev/null || fail "no tooltip over slate's left button"

# --- Exit: fade out, settings saved, the program ends -----------------------------------
at_free_point
xdotool click 1
sleep 0.3
xdotool key 4
sleep 0.4
visible=$(clock_brightness)
clock_menu Up Return
samples=()
while viewable "$win" && [ "${#samples[@]}" -lt 40 ]; do samples+=("$(clock_brightness)"); done
dimmest=$(printf '%s\n' "${samples[@]}" "$visible" | sort -g | head -1)
less_than "$dimmest" "$(awk -v v="$visible" 'BEGIN { print v * 0.8 }')" || fail "no fade-out seen: ${samples[*]}"
rc=0
wait_for_exit "$pid" 150 || rc=$?
[ "$rc" -eq 0 ] || fail "the clock ended with $rc"
pid=""
[ "$(saved_value ClockType)" = 3 ] || fail "the Stopwatch mode was not saved"
echo "ok"
