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

# --- typing letters that no key holds ------------------------------------------------------
# xdotool types such a letter by binding it to a spare key for that one keystroke and unbinding
# it after. Wine reads the key's letter again when the program takes the keystroke, and on a
# loaded machine the spare key holds the next letter by then, or none. So the letters go onto
# keys of their own first, as on a keyboard that has them, and the keys get their own back at
# the end. Wine gives a key a virtual key only where its layout has one, and spare keys have
# none: the letters take the places of punctuation keys, as a German ü takes that of [.
PUNCTUATION_KEYS="bracketleft:[ bracketright:] semicolon:; apostrophe:' grave:\` backslash:\\ comma:, period:. slash:/ minus:- equal:="
taken_keys=()
give_keys_back() {
  local line
  for line in "${taken_keys[@]}"; do xmodmap -e "$line" 2>/dev/null || true; done
  taken_keys=()
}
trap 'give_keys_back; cleanup' EXIT

# Types text $1 into the window that has the keyboard, $2 ms between keys.
type_text() {
  local text=$1 delay=$2 keymap free=() pair keycode placed=" " i code
  keymap=$(xmodmap -pke)
  for pair in $PUNCTUATION_KEYS; do
    [[ $text != *"${pair#*:}"* ]] || continue
    keycode=$(awk -v sym="${pair%%:*}" '$4 == sym { print $2; exit }' <<<"$keymap")
    [ -z "$keycode" ] || free+=("$keycode")
  done
  for ((i = 0; i < ${#text}; i++)); do
    code=$(printf '%04X' "'${text:i:1}")
    [ $((16#$code)) -gt 126 ] && [[ $placed != *" $code "* ]] || continue
    keycode=${free[${#taken_keys[@]}]:-}
    [ -n "$keycode" ] || fail "no key left for the letter ${text:i:1}"
    taken_keys+=("$(grep -m1 "^keycode *$keycode =" <<<"$keymap")")
    xmodmap -e "keycode $keycode = U$code" || fail "the letter ${text:i:1} could not go onto a key"
    placed+="$code "
  done
  xdotool type --delay "$delay" "$text"
}
