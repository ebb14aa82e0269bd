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
viewable_windows() {
  local w
  for w in $(xwininfo -root -children | awk '/^ +0x/{print $1}'); do
    if viewable "$w"; then echo "$w"; fi
  done
}
# The first window viewable now that was not in the list $1.
new_window() {
  local w
  for w in $(viewable_windows); do grep -qx "$w" <<<"$1" || { echo "$w"; return 0; }; done
  return 1
}
clock_brightness() { brightness "$X" "$Y" "$WIDTH" "$HEIGHT"; }
less_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
clock_shown() { viewable "$win" && less_than 0.05 "$(clock_brightness)"; }
clock_hidden() { ! viewable "$win"; }
# A free point of the face, away from the title, the hands' centre and the buttons.
at_free_point() { xdotool mousemove $((X + 30)) $((Y + HEIGHT / 2)); }
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
within 15 find_clock || fail "no clock window appeared"
eval "$(xdotool getwindowgeometry --shell "$win")"
samples=()
for i in $(seq 10); do samples+=("$(clock_brightness)"); done
final=${samples[-1]}
less_than 0.05 "$final" || fail "the clock face is dark: $final"
dimmest=$(printf '%s\n' "${samples[@]}" | sort -g | head -1)
less_than "$dimmest" "$(awk -v f="$final" 'BEGIN { print f * 0.6 }')" || fail "no fade-in seen: ${samples[*]}"
# While it zoomed in the window stood elsewhere; once at rest it is at home.
wait_for_rest "$win" || fail "the clock did not come to rest after fading in"
eval "$(xdotool getwindowgeometry --shell "$win")"

# --- keys 1 to 5 -----------------------------------------------------------------------
# The first click gives the window the keyboard; on the hands' centre it hides the
# hands, so that they cannot cross the title while it is compared.
xdotool mousemove $((X + 96)) $((Y + 96))
click_face
at_free_point
# True once the title differs from $1 and stayed so over two looks; leaves it in title_now.
title_now=""
title_changed_from() {
  local last=$title_now
  title_now=$(title_hash)
  [ "$title_now" != "$1" ] && [ "$title_now" = "$last" ]
}
declare -A by_key
xdotool key 1  # the mode it starts in: the title stays
by_key[1]=$(title_hash)
for k in 2 3 4 5; do
  xdotool key "$k"
  title_now=""
  within 5 title_changed_from "${by_key[$((k - 1))]}" || fail "key $k did not change the display"
  by_key[$k]=$title_now
done
[ "$(printf '%s\n' "${by_key[@]}" | sort -u | wc -l)" -eq 5 ] || fail "keys 1 to 5 did not give five different displays"

# --- the menu's mode items (Clock is the third item, Timer the seventh) ----------------
title_is() { [ "$(title_hash)" = "$1" ]; }
for k in 1 2 3 4 5; do
  clock_menu $(downs $((k + 2)))
  within 5 title_is "${by_key[$k]}" || fail "mode item $k did not show what key $k shows"
done

# --- tooltips over the skin buttons ----------------------------------------------------
# The tooltip last seen, and whether it has gone (the pointer left its button).
tip=""
tip_gone() { [ -z "$tip" ] || ! viewable "$tip"; }
# True once a window not in the list $1 shows.
tip_shown() { tip=$(new_window "$1"); }
# Sets tip_width to the width of the tooltip that appears within 4 s over (x, y) of the
# face, or returns 1. The pointer stays still there: each move within the button starts the
# tooltip's delay anew.
hover_tooltip() {
  local before
  at_free_point
  await 5 "the last tooltip stayed on screen" tip_gone
  before=$(viewable_windows)
  xdotool mousemove $((X + $1)) $((Y + $2)) mousemove $((X + $1 + 1)) $((Y + $2))
  within 4 tip_shown "$before" || { tip=""; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$tip" | sed 's/^/TIP_/')"
  [ "$TIP_HEIGHT" -lt 50 ] || return 1
  tip_width=$TIP_WIDTH
}
xdotool key 1
hover_tooltip 75 150 || fail "no tooltip over the left button"
left_tip=$tip_width
hover_tooltip 117 150 || fail "no tooltip over the right button"
[ "$tip_width" -gt "$left_tip" ] || fail "\"See the time difference\" is not wider than \"Sync time\""
xdotool key 3
# What is tested is that nothing shows: 4 s is long enough for a tooltip to.
hover_tooltip 75 150 && fail "a tooltip showed in UpTime mode, which has no texts"
xdotool key 1
at_free_point

# --- Show/Hide and the tray icon --------------------------------------------------------
tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1 || true)
[ -n "$tray" ] || fail "no tray icon"
# Two clicks on the icon closer together than the double-click time (500 ms) are a double
# click: time itself keeps the single clicks apart.
last_tray_click=0
tray_click() {
  local since=$((${EPOCHREALTIME/./} - last_tray_click))
  [ "$since" -ge 600000 ] || sleep "$(awk -v us=$((600000 - since)) 'BEGIN { print us / 1e6 }')"
  xdotool mousemove --window "$tray" 10 10 click "$@"
  last_tray_click=${EPOCHREALTIME/./}
}
clock_menu $(downs 2)
within 5 clock_hidden || fail "Show/Hide did not hide the clock"
# The tray icon's menu works while the clock is hidden.
xdotool mousemove --window "$tray" 10 10
popup_keys Down Down Return
within 5 clock_shown || fail "Show/Hide from the tray icon did not bring the clock back"
for state in hidden shown; do
  tray_click 1
  within 5 "clock_$state" || fail "a click on the tray icon did not leave the clock $state"
done
wait_for_rest "$win" || fail "the clock did not come to rest after showing"

# --- About: the page in a browser window of its own, the setting put back ---------------
opened() { tr -d '\r' <"$OPENED"; }
about_opened() { [ -f "$OPENED" ] && [ "$(opened | wc -l)" -ge "$1" ]; }
clock_menu Down Return
within 10 about_opened 1 || fail "About opened nothing"
opened | grep -q 'about.html?t=1$' || fail "About opened $(opened)"
opened | grep -qi "^file:///z:/" || fail "the page is not the file beside the program: $(opened)"
[ -z "$(reuse_value)" ] || fail "AllowWindowReuse was left behind: $(reuse_value)"
# A double click on the tray icon toggles the clock once and opens the page once.
set_reuse 1
tray_click --repeat 2 --delay 40 1
within 10 about_opened 2 || fail "a double click on the tray icon opened no page"
within 5 clock_hidden || fail "the double click did not hide the clock"
# What is tested is that no second page follows: a second is long enough for one to.
sleep 1
[ "$(opened | wc -l)" -eq 2 ] || fail "the page opened more than once"
[ "$(reuse_value)" = 0x1 ] || fail "AllowWindowReuse 1 came back as '$(reuse_value)'"
tray_click 1
within 5 clock_shown || fail "the clock did not come back"
wait_for_rest "$win" || fail "the clock did not come to rest after showing"

# --- the alarms dialog (fourth item from the bottom) ------------------------------------
alarms_shown() { alarms=$(xdotool search --name '^Alarms$' 2>/dev/null | head -1) && [ -n "$alarms" ] && viewable "$alarms"; }
alarms_hidden() { ! viewable "$alarms"; }
clock_menu Up Up Up Up Return
within 5 alarms_shown || fail "the alarms dialog did not open"
# Digits typed into the dialog stay there: they do not switch the clock's mode.
shown_title=$(title_hash)
eval "$(xdotool getwindowgeometry --shell "$alarms" | sed 's/^/AL_/')"
xdotool mousemove $((AL_X + 300)) $((AL_Y + 440)) click 1
xdotool key 2
title_changed() { [ "$(title_hash)" != "$shown_title" ]; }
# What is tested is that nothing changes: a key switches the mode well within 1 s.
within 1 title_changed && fail "a digit typed in the alarms dialog switched the clock's mode"
xdotool key alt+F4
within 5 alarms_hidden || fail "closing did not hide the alarms dialog"
clock_menu Up Up Up Up Return
within 5 alarms_shown || fail "the alarms dialog did not open a second time"
xdotool key alt+F4
within 5 alarms_hidden || fail "the alarms dialog stayed open"

# --- a skin change moves the buttons, and their tooltips follow ---------------------------
# Skins is the third item from the end; slate (240 wide) is one of the first two folders.
for n in 1 2; do
  pick_skin "$n"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  [ "$WIDTH" -eq 240 ] && break
done
[ "$WIDTH" -eq 240 ] || fail "slate was not among the first two skins"
hover_tooltip 99 180 || fail "no tooltip over slate's left button"

# --- Exit: fade out, settings saved, the program ends -----------------------------------
at_free_point
click_face
xdotool key 4
visible=$(clock_brightness)
clock_menu Up Return
samples=()
while viewable "$win" && [ "${#samples[@]}" -lt 40 ]; do samples+=("$(clock_brightness)"); done
dimmest=$(printf '%s\n' "${samples[@]}" "$visible" | sort -g | head -1)
less_than "$dimmest" "$(awk -v v="$visible" 'BEGIN { print v * 0.8 }')" || fail "no fade-out seen: ${samples[*]}"
rc=0
wait_for_exit "$pid" 15 || rc=$?
[ "$rc" -eq 0 ] || fail "the clock ended with $rc"
pid=""
[ "$(saved_value ClockType)" = 3 ] || fail "the Stopwatch mode was not saved"
echo "ok"
