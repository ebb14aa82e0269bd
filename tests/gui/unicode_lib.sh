# Shared steps of the tests of names in any script, on top of gui_lib.sh.
source "$(dirname "${BASH_SOURCE[0]}")/gui_lib.sh"
# Wine turns file names and arguments into UTF-16 as the host's character set says; the
# system's code page stays 1252, which lacks the letters these tests use.
export LC_ALL=C.UTF-8

# The values of registry key $1 as UTF-8 text. `reg query` prints through the console's code
# page and loses what it lacks; an exported file is UTF-16.
exported_key() {
  rm -f "$WORK/export.reg"
  "$WINE_RUN" reg export "$1" "$(win_path "$WORK/export.reg")" /y >/dev/null 2>&1 || true
  [ -f "$WORK/export.reg" ] && iconv -f UTF-16 -t UTF-8 "$WORK/export.reg" | tr -d '\r'
}

# One text value of the clock's settings, exactly as stored (a .reg file doubles backslashes).
saved_text() {
  exported_key 'HKCU\Software\Kandrel\OrmelClock' | sed -n "s/^\"$1\"=\"\(.*\)\"\$/\1/p" | sed 's/\\\\/\\/g'
}
