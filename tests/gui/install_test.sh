#!/usr/bin/env bash
# The set-up program installs silently into the user's programs folder; the installed clock
# starts from there, writes its Run value and ends through "Exit"; the silent uninstaller
# then leaves no file, Start-menu entry, Run value or uninstall entry, and keeps the settings.
# A second round uninstalls while the clock runs, with /REMOVESETTINGS, and keeps a skin the
# user added.
source "$(dirname "$0")/gui_lib.sh"
SETUP=${ORMEL_SETUP:?the set-up program (ORMEL_SETUP)}
ZIP=${ORMEL_ZIP_FILE:?the portable zip (ORMEL_ZIP_FILE)}
VERSION=$(basename "$SETUP" | sed -n 's/^OrmelClock-\(.*\)-setup\.exe$/\1/p')
[ -n "$VERSION" ] || fail "no version in the set-up program's name $SETUP"
# Creating a Start-menu shortcut would otherwise add a menu entry to the host's desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"

SETTINGS_KEY='HKCU\Software\Kandrel\OrmelClock'
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\OrmelClock'

wine_reg() { "$WINE_RUN" reg "$@" >/dev/null 2>&1; }
# The data of value $2 under key $1, empty when there is none.
reg_value() { { "$WINE_RUN" reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
unix_folder() { "$WINE_RUN" winepath -u "$("$WINE_RUN" cmd /c echo "%$1%" | tr -d '\r')" | tr -d '\r'; }

INSTALL_DIR="$(unix_folder LOCALAPPDATA)/Programs/Ormel Clock"
SHORTCUT="$(unix_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Ormel Clock.lnk"
EXE=$INSTALL_DIR/OrmelClock.exe  # what start_clock starts

# The other tests share the prefix: leave no installation behind, whatever happens.
remove_installation() {
  wine_reg delete "$UNINSTALL_KEY" /f || true
  rm -rf "$INSTALL_DIR" "$SHORTCUT"
}
trap 'cleanup; remove_installation' EXIT
remove_installation
reset_settings

install_silently() {
  timeout 60 "$WINE_RUN" "$(win_path "$SETUP")" /S || fail "the set-up program failed ($?)"
  [ -f "$EXE" ] || fail "nothing installed in $INSTALL_DIR"
}

# The uninstaller runs from a copy of itself in the temporary folder and returns at once:
# wait up to 30 s for the copy's last step, the removal of the uninstall entry.
uninstall_silently() {
  timeout 60 "$WINE_RUN" "$(win_path "$INSTALL_DIR/uninstall.exe")" /S "$@" || fail "the uninstaller failed ($?)"
  within 30 no_uninstall_entry || fail "the uninstaller did not finish"
}
no_uninstall_entry() { ! wine_reg query "$UNINSTALL_KEY"; }

# Round 1: install, run, exit, uninstall.
install_silently
installed=$(cd "$INSTALL_DIR" && find . -type f ! -name uninstall.exe | sed 's|^\./||' | sort)
zipped=$(unzip -Z1 "$ZIP" | grep -v '/$' | sed 's|^Ormel Clock/||' | sort)
[ "$installed" = "$zipped" ] || fail "the installer and the zip hold different files: $(diff <(echo "$installed") <(echo "$zipped") | tr '\n' ' ')"
for f in OrmelClock.exe ormel-skin.exe about.html skin-format.html example-skin/skin.xml face/royale/skin.xml face/slate/skin.xml sound/chime.mp3 sound/beep.mp3 uninstall.exe; do
  [ -f "$INSTALL_DIR/$f" ] || fail "$f is not installed"
done
grep -q "Version $VERSION<" "$INSTALL_DIR/about.html" || fail "about.html does not show version $VERSION"
[ -f "$SHORTCUT" ] || fail "no Start-menu entry"
[ "$(reg_value "$UNINSTALL_KEY" DisplayVersion)" = "$VERSION" ] || fail "the uninstall entry lacks version $VERSION"

# Without settings Load at Startup is on, but only a click writes the Run value: click it
# off and on again. Settings is the second item from the bottom, Load at Startup its second.
installed_run_value() { reg_value "$RUN_KEY" OrmelClock | grep -qi 'Programs\\Ormel Clock\\OrmelClock.exe'; }
no_run_value() { [ -z "$(reg_value "$RUN_KEY" OrmelClock)" ]; }
start_and_click
menu_keys "$win" Up Up Right Down Return
within 5 no_run_value || fail "Load at Startup, clicked off, left the Run value '$(reg_value "$RUN_KEY" OrmelClock)'"
menu_keys "$win" Up Up Right Down Return
within 5 installed_run_value ||
  fail "Load at Startup wrote no Run value for the installed clock: '$(reg_value "$RUN_KEY" OrmelClock)'"
exit_clock "$pid" "$win"
pid=""

uninstall_silently
[ ! -e "$INSTALL_DIR" ] || fail "files are left: $(cd "$INSTALL_DIR" && find . | tr '\n' ' ')"
[ ! -e "$SHORTCUT" ] || fail "the Start-menu entry is left"
no_run_value || fail "the Run value is left"
wine_reg query "$SETTINGS_KEY" || fail "a silent uninstall removed the settings"

# Round 2: the uninstaller closes the running clock, keeps the user's own skin and, asked
# to, removes the settings the clock saved as it closed.
install_silently
mkdir -p "$INSTALL_DIR/face/mine"
echo '<skin/>' >"$INSTALL_DIR/face/mine/skin.xml"
start_and_click
uninstall_silently /REMOVESETTINGS
rc=0
wait_for_exit "$pid" 5 || rc=$?
[ "$rc" -eq 0 ] || fail "the uninstaller did not close the running clock ($rc)"
pid=""
[ ! -e "$INSTALL_DIR/OrmelClock.exe" ] || fail "the running clock's exe is left"
[ ! -e "$INSTALL_DIR/face/royale" ] || fail "a bundled skin is left"
[ -f "$INSTALL_DIR/face/mine/skin.xml" ] || fail "the user's own skin was removed"
wine_reg query "$SETTINGS_KEY" && fail "/REMOVESETTINGS left the settings"
echo "ok"
