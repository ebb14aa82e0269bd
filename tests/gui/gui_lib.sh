# Shared steps of the end-to-end tests: the clock under Wine on the test display. A step waits
# for what it needs to see, up to a deadline, and fails saying what it saw instead.
set -euo pipefail
DIST=$1
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_RUN=$HERE/../../tools/wine-run
EXE=$DIST/OrmelClock.exe
WORK=$(mktemp -d)

# --- the local zone ------------------------------------------------------------------------
# A POSIX zone $1 seconds east of UTC, of a fixed offset: no daylight saving changes it.
zone_east() {
  local east=$1 sign=-
  [ "$east" -ge 0 ] || sign=+ east=$((-east))
  printf 'ORM%s%d:%02d:%02d' "$sign" $((east / 3600)) $((east / 60 % 60)) $((east % 60))
}
# The zone, within twelve hours of UTC, in which it is $1:$2:00 now (or at $3, in seconds
# since 1970).
zone_where_it_is() {
  local second_of_day=$((${3:-$(date -u +%s)} % 86400))
  zone_east $(((($1 * 3600 + $2 * 60 - second_of_day) % 86400 + 86400 + 43200) % 86400 - 43200))
}
# Wine takes each program's local zone from TZ, as `date` does. A test starts at twenty past
# ten there: as far from the hourly chime and from midnight as a test can run, whatever the
# hour and the zone of the host. The offset is whole minutes, as Wine's zone bias is.
export TZ
TZ=$(zone_where_it_is 10 20 $(($(date -u +%s) / 60 * 60)))

# A test keeps its running clock's process id in `pid`; whatever way it ends, that process goes.
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Run by ctest, on the display of their own desktop (desktop.sh); by hand, on the one given.
if [ -n "${ORMEL_GUI_DESKTOP:-}" ]; then
  DISPLAY=$(cat "$ORMEL_GUI_DESKTOP/display") || fail "the GUI tests' desktop did not start"
  export DISPLAY
fi

win_path() { echo "Z:$(realpath -m "$1" | sed 's|/|\\|g')"; }

# --- waiting -------------------------------------------------------------------------------
# Runs "$@" every 0.1 s until it succeeds, for at most $1 seconds; returns whether it did.
within() {
  local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
  shift
  until "$@"; do
    [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# The windows on screen, as X lists them: id "name": ("instance" "class") size and place.
windows_seen() {
  local tree id
  tree=$(xwininfo -root -children 2>/dev/null || true)
  for id in $(xdotool search --maxdepth 1 --onlyvisible --name '' 2>/dev/null || true); do
    grep -m1 "^ *$(printf '0x%x' "$id") " <<<"$tree" | sed 's/^ *//; s/  */ /g' || true
  done | paste -sd ';' | sed 's/;/; /g'
}

# Waits like `within` for "$3"...; fails with "$2 within $1 s" and the windows on screen.
await() {
  local limit=$1 what=$2
  shift 2
  within "$limit" "$@" || fail "$what within $limit s; windows seen: $(windows_seen)"
}

ended() { ! kill -0 "$1" 2>/dev/null; }

# Waits up to $2 seconds for process $1 to end; returns its exit code, 124 while it runs on.
wait_for_exit() {
  within "$2" ended "$1" || return 124
  wait "$1"
}

# --- windows -------------------------------------------------------------------------------
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# Mean brightness, 0 to 1, of the screen in the rectangle at ($1, $2) of size $3 x $4.
brightness() { import -window root -crop "$3x$4+$1+$2" -colorspace gray -format '%[fx:mean]' info:; }

# A hash of what window $1 shows on screen.
window_shot() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" -format '%#' info:
}

# True once window $1 has kept its place, size and brightness (to 1 %) over four looks in a
# row; rest_look and rest_count carry the looks between calls.
rest_look="" rest_count=0
stands_still() {
  local WINDOW X Y WIDTH HEIGHT SCREEN geometry look
  geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || { rest_look=""; return 1; }
  eval "$geometry"
  look="$X $Y $WIDTH $HEIGHT $(brightness "$X" "$Y" "$WIDTH" "$HEIGHT")"
  if awk -v a="$look" -v b="$rest_look" 'BEGIN {
       n = split(a, x); m = split(b, y)
       if (n != 5 || m != 5) exit 1
       for (i = 1; i <= 4; i++) if (x[i] != y[i]) exit 1
       d = x[5] - y[5]; exit !(d * d <= (0.01 * x[5]) ^ 2) }'; then
    rest_count=$((rest_count + 1))
  else
    rest_count=0
  fi
  rest_look=$look
  [ "$rest_count" -ge 3 ]
}

# Waits up to 15 s for window $1 to stand still. The fade and zoom move the window every few
# milliseconds and brighten its face: a click then can fall on a transparent pixel, or start a
# drag of the moving window that swallows the next clicks and keys, and a capture shows a frame
# half faded in.
wait_for_rest() {
  rest_look="" rest_count=0
  within 15 stands_still "$1"
}

# True once the face of the clock ($1) has changed twice since frame_count was reset: the
# clock has then presented a frame on its 100 ms tick after one that may have been on its way
# already. Only where something moves in every frame, as the second hand does.
frame_shot="" frame_count=0
frames_changed() {
  local shot
  shot=$(window_shot "$1")
  [ "$shot" = "$frame_shot" ] || frame_count=$((frame_count + 1))
  frame_shot=$shot
  [ "$frame_count" -gt 2 ]  # the first look counts too
}
await_new_frames() {
  frame_shot="" frame_count=0
  await 5 "the clock presented no new frame" frames_changed "$1"
}

# --- the clock's window --------------------------------------------------------------------
clock_window() { xdotool search --maxdepth 1 --onlyvisible --name '^Ormel Clock$' 2>/dev/null | head -1 || true; }
clock_appeared() { win=$(clock_window); [ -n "$win" ]; }

# Waits for the clock's window to appear and come to rest after the start-up zoom and fade;
# sets win. Fails with $1 when none appears.
wait_for_window() {
  within 15 clock_appeared || fail "$1 within 15 s; windows seen: $(windows_seen)"
  wait_for_rest "$win" || fail "the clock's window did not come to rest within 15 s; windows seen: $(windows_seen)"
}

# Starts each test from default settings, no Run entry, and Chimes off: only the chime's own
# test hears the hour strike.
reset_settings() {
  "$WINE_RUN" reg delete 'HKCU\Software\Kandrel' /f >/dev/null 2>&1 || true
  "$WINE_RUN" reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v OrmelClock /f >/dev/null 2>&1 || true
  "$WINE_RUN" reg add 'HKCU\Software\Kandrel\OrmelClock' /v Chimes1_Checked /d False /f >/dev/null
}

# Prints one settings value of the clock, empty when it is absent.
saved_value() {
  "$WINE_RUN" reg query 'HKCU\Software\Kandrel\OrmelClock' /v "$1" 2>/dev/null |
    tr -d '\r' | awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

# Sets the shell variables X Y WIDTH HEIGHT of window $1, and a free point (CX, CY) of the
# face: the centre would toggle the hands.
face_point() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  CX=$((X + WIDTH / 2)); CY=$((Y + HEIGHT / 5))
}

# A hash of royale's title label, which names the mode; the hands cross it unless hidden.
title_hash() { import -window root -crop "80x12+$((X + 56))+$((Y + 60))" -format '%#' info:; }

# Starts the clock ($EXE), waits for its window and the start-up fade; sets pid, win and the
# face point.
start_clock() {
  "$WINE_RUN" "$EXE" &
  pid=$!
  wait_for_window "no clock window appeared"
  face_point "$win"
}

# Clicks the clock's face at the pointer, which gives it the keyboard. Keys that come before
# the clock has handled the click are lost without a window manager: wait for that.
click_face() {
  xdotool click 1
  await_input_taken
}

# Starts the clock and clicks its face.
start_and_click() {
  start_clock
  xdotool mousemove "$CX" "$CY"
  click_face
}

# Moves the pointer to ($1, $2), a pixel lower every other time so that it always moves; true
# once the clock ($win) has left ($5, $6), to no less than $3 pixels right and $4 down.
drag_nudge=0
drag_moved() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  drag_nudge=$((1 - drag_nudge))
  xdotool mousemove "$1" $(($2 + drag_nudge))
  eval "$(xdotool getwindowgeometry --shell "$win")"
  { [ "$X" -ne "$5" ] || [ "$Y" -ne "$6" ]; } && [ $((X - $5)) -ge "$3" ] && [ $((Y - $6)) -ge "$4" ]
}

# Drags the clock ($win) from its face point by $1, $2 pixels (both positive) and checks that
# it moved; leaves the new place in X, Y. The first move of the pressed mouse, on the face,
# starts the system's move loop, which then follows the pointer off the face too: each move
# waits for the window to follow.
drag_clock() {
  local x0=$X y0=$Y
  xdotool mousemove "$CX" "$CY" mousedown 1
  if ! within 15 drag_moved $((CX + 20)) $((CY + 10)) -1 -1 "$x0" "$y0" ||
     ! within 15 drag_moved $((CX + $1)) $((CY + $2)) $(($1 / 2)) $(($2 / 2)) "$x0" "$y0"; then
    xdotool mouseup 1
    fail "the clock did not follow the drag within 15 s; windows seen: $(windows_seen)"
  fi
  xdotool mouseup 1
  wait_for_rest "$win" || fail "the clock did not come to rest after the drag"
  face_point "$win"
  [ "$X" -ne "$x0" ] || [ "$Y" -ne "$y0" ] || fail "the drag did not move the clock"
}

# --- the popup menu ------------------------------------------------------------------------
ROOT_WINDOW=$(($(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')))
# Wine shows each open popup menu and submenu as a nameless top-level window of its own. So
# it shows the tray icon's tooltip, but as a window of its own explorer, not of the clock.
open_menus() {
  local id
  for id in $(xdotool search --maxdepth 1 --onlyvisible --name '^$' 2>/dev/null | grep -vx "$ROOT_WINDOW" || true); do
    if xprop -id "$id" WM_CLASS 2>/dev/null | grep -qi '"ormelclock\.exe"'; then echo "$id"; fi
  done
}
menus_open() { [ "$(open_menus | wc -l)" -eq "$1" ]; }

# Opens the popup menu with a right click at the pointer and types keys $@ into it, each once
# the menu it goes to is on screen: Right opens a submenu, Escape closes one, Return chooses.
popup_keys() {
  local depth=1 key
  xdotool click 3
  await 5 "the popup menu did not open" menus_open 1
  for key in "$@"; do
    xdotool key "$key"
    case $key in
      Right) depth=$((depth + 1)); await 5 "the submenu did not open" menus_open "$depth" ;;
      Escape) depth=$((depth - 1)); await 5 "the menu did not close" menus_open "$depth" ;;
      Return) await 5 "the menu did not close after a choice" menus_open 0 ;;
    esac
  done
}

# Opens the popup menu at the free point of the clock ($1) and types keys $2... into it.
menu_keys() {
  face_point "$1"
  xdotool mousemove "$CX" "$CY"
  shift
  popup_keys "$@"
}

# Ends clock process $1 (window $2) through "Exit", the menu's last item, and waits for the
# closing fade and Wine's shutdown (seconds on a loaded machine); fails unless it ends with
# exit code 0.
exit_clock() {
  local rc=0
  menu_keys "$2" Up Return
  wait_for_exit "$1" 20 || rc=$?
  [ "$rc" -ne 124 ] || fail "the clock was still running 20 s after Exit; windows seen: $(windows_seen)"
  [ "$rc" -eq 0 ] || fail "the clock ended with $rc"
}

# Moves the pointer left of the clock's centre, where the menu a right click opens covers
# neither the title nor anything above it, and no button or hot spot of the face lies.
to_probe_point() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + WIDTH / 6)) $((Y + HEIGHT / 2))
}

# Waits until the clock ($win) has handled the input sent so far: it takes input in order,
# so its menu opens on a right click that follows only then (Escape closes it).
await_input_taken() {
  to_probe_point
  popup_keys Escape
}

menu_or_box() { menus_open 1 || [ -n "$(error_box)" ]; }

# Waits until the clock has carried out the menu choice just made: it shows a message box
# (and takes no clicks while the box is up), or it opens its menu on the next right click.
await_choice_done() {
  to_probe_point
  xdotool click 3
  await 10 "the clock neither showed a message nor took input again" menu_or_box
  if menus_open 1; then
    xdotool key Escape
    await 5 "the menu did not close" menus_open 0
  fi
}

# Picks the n-th item of the Skins submenu, the third item from the menu's end, and waits
# until the clock has switched to it or refused it.
pick_skin() {
  local downs=() i
  for ((i = 1; i < $1; i++)); do downs+=(Down); done
  menu_keys "$win" Up Up Up Right "${downs[@]}" Return
  await_choice_done
}

# --- dialogs and message boxes -------------------------------------------------------------
world_clock_dialog() { xdotool search --onlyvisible --name '^World Clock$' 2>/dev/null | head -1 || true; }
world_clock_open() { dlg=$(world_clock_dialog); [ -n "$dlg" ]; }
world_clock_closed() { [ -z "$(world_clock_dialog)" ]; }

# The top-left corner (cx, cy) of the World Clock dialog's ($dlg) client area, 320 x 219,
# which sits in an even frame below the caption.
world_clock_client() {
  local WINDOW X Y WIDTH HEIGHT SCREEN border
  eval "$(xdotool getwindowgeometry --shell "$dlg")"
  border=$(((WIDTH - 320) / 2))
  cx=$((X + border)) cy=$((Y + HEIGHT - 219 - border))
}

# Opens "World Clock..." through the menu and waits for the dialog to stand still; sets dlg.
open_world_clock() {
  menu_keys "$win" Down Down Down Down Down Down Down Down Return  # About ... Timer, World Clock...
  await 5 "World Clock... opened no dialog" world_clock_open
  wait_for_rest "$dlg" || fail "the World Clock dialog did not come to rest"
}

# A message box of the clock: a visible "Ormel Clock" window other than the clock ($win).
error_box() { xdotool search --onlyvisible --name '^Ormel Clock$' 2>/dev/null | grep -vx "${win:-}" | head -1 || true; }

# Wine's message box traces the text it shows: the words the user reads. start_traced starts
# the clock ($EXE) with that trace on standard error, kept in $TRACE (so is a crash report);
# sets pid.
TRACE=$WORK/trace
start_traced() {
  WINEDEBUG=trace+msgbox "$WINE_RUN" "$EXE" 2>"$TRACE" &
  pid=$!
}
box_texts() { grep -a 'MSGBOX_OnInit' "$TRACE" || true; }
# True once a message box is on screen with its text traced; sets box.
traced_box_shown() {
  box=$(error_box)
  [ -n "$box" ] && [ -n "$(box_texts)" ]
}

# The box's own window: once it goes, the clock's window (same caption) may come up.
box_gone() { ! xdotool search --onlyvisible --name '^Ormel Clock$' 2>/dev/null | grep -qx "$1"; }

# Presses the message box's OK button, centred at its bottom, once the box stands still, and
# waits for the box to go (Wine takes a while to remove its window).
close_box() {
  wait_for_rest "$1" || fail "the message box did not come to rest"
  eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^/box_/')"
  xdotool mousemove $((box_X + box_WIDTH / 2)) $((box_Y + box_HEIGHT - 25)) click 1
  await 5 "the error box stayed open" box_gone "$1"
}
