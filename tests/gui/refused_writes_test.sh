#!/usr/bin/env bash
# Registry writes refused as security software or a read-only policy refuses them: a guarded
# Run key is said once at start-up and the clock still starts; guarded settings are said once
# at "Exit", which still ends the program.
source "$(dirname "$0")/gui_lib.sh"
GUARD=${ORMEL_REGISTRY_GUARD:?the path of ormel_registry_guard.exe}
RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'
SETTINGS_KEY='Software\Kandrel\OrmelClock'
guard() { "$WINE_RUN" "$GUARD" "$@" || fail "ormel_registry_guard $*"; }
free_keys() {
  set +e
  "$WINE_RUN" "$GUARD" free "$RUN_KEY"
  "$WINE_RUN" "$GUARD" free "$SETTINGS_KEY"
  cleanup
}
trap free_keys EXIT

visible_named() { xdotool search --onlyvisible --name '^Ormel Clock$' 2>/dev/null || true; }
box_shown() { box=$(error_box); [ -n "$box" ]; }
# Waits for a message box of the clock and closes it; $1 says what it is about.
close_message_box() {
  within 10 box_shown || fail "no message box appeared ($1); windows seen: $(windows_seen)"
  close_box "$box"
}

# The Run key guarded: one message before the clock shows, then the clock as usual.
reset_settings
guard guard "$RUN_KEY"
"$WINE_RUN" "$EXE" &
pid=$!
close_message_box "the refused Run value"
wait_for_window "no clock window appeared after the refused Run value"
[ "$(visible_named | wc -l)" -eq 1 ] || fail "more than the clock is shown after the first message"
face_point "$win"
xdotool mousemove "$CX" "$CY"
click_face
xdotool key 3
exit_clock "$pid" "$win"
[ "$(saved_value ClockType)" = 2 ] || fail "the settings were not saved beside a guarded Run key"
guard free "$RUN_KEY"

# The settings guarded: the clock starts with its defaults, "Exit" says once that the settings
# were refused (it saves three times) and the program ends.
reset_settings
guard guard "$SETTINGS_KEY"
start_clock
[ "$(visible_named | wc -l)" -eq 1 ] || fail "a message at start-up with guarded settings"
xdotool mousemove "$CX" "$CY"
click_face
menu_keys "$win" Up Return
close_message_box "the refused settings at Exit"
wait_for_exit "$pid" 20 || fail "Exit did not end the clock after its settings were refused (rc $?)"
[ -z "$(saved_value ClockType)" ] || fail "a guarded settings key was written"
echo "ok"
