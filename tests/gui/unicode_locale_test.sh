#!/usr/bin/env bash
# Month names come from the user's locale in its own script, whatever the system's code page: a
# Russian user locale on a system whose code page is 1252 shows the Russian month in the date,
# as a label of those words drawn in the same place and font shows it.
source "$(dirname "$0")/unicode_lib.sh"
AT="2026-12-09 10:08:50"  # every hand in the upper half, off the date
# Wine takes the system's locale (and code page) from LC_CTYPE, the user's from LC_MESSAGES;
# the Russian locale is compiled for this test alone.
mkdir -p "$WORK/locale"
localedef -i ru_RU -f UTF-8 "$WORK/locale/ru_RU.UTF-8" 2>/dev/null || [ -d "$WORK/locale/ru_RU.UTF-8" ] ||
  fail "could not compile the Russian locale"
RUSSIAN=(-u LC_ALL LOCPATH="$WORK/locale" LC_CTYPE=C.UTF-8 LC_MESSAGES=ru_RU.UTF-8)

# royale whose title, a fixed box that centres its text, takes the box that the date's sample
# text gives the date (as `ormel-skin check` measures it) and the date's font; the date moves
# to the top. --label then draws text where and as the date shows it.
title_as_date() {
  local box
  box=$("$WINE_RUN" "$DIST/ormel-skin.exe" check --verbose "$(win_path "$DIST/face/royale")" |
    sed -n 's/^label "date": box (\([0-9]*\), \([0-9]*\), \([0-9]*\) x \([0-9]*\)).*/\1 \2 \3 \4/p')
  [ -n "$box" ] || fail "ormel-skin did not measure royale's date label"
  cp -r "$DIST/face/royale" "$WORK/dist/face/title-as-date"
  python3 - "$WORK/dist/face/title-as-date/skin.xml" $box <<'PY'
import re, sys
path, x, y, width, height = sys.argv[1:]
xml = open(path, encoding="utf-8").read()
date_font = re.search(r'<label id="date".*?(<font[^>]*>)', xml, re.S).group(1)
xml = re.sub(r'<label id="title".*?</label>', '<label id="title" text="clock" x="%s" y="%s" width="%s" height="%s" '
             'align="center">%s</label>' % (x, y, width, height, date_font), xml, flags=re.S)
xml = re.sub(r'(<label id="date"[^>]*) y="\d+"', r'\1 y="20"', xml)
open(path, "w", encoding="utf-8").write(xml)
PY
}
# Pixels that differ by more than 8 %; compare's exit code only says whether any do.
differing() { { compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1; }
snap() {  # FILE [OPTION...]: a frame of $AT from the copy of the program in $WORK
  local file=$1
  shift
  env "${LOCALE[@]}" "$WINE_RUN" "$WORK/dist/OrmelClock.exe" --snapshot "$(win_path "$WORK/$file")" --at "$AT" "$@" ||
    fail "no snapshot $file"
}
region() { convert "$WORK/$1" -crop "$2" +repage "$WORK/$3"; }

cp -r "$DIST" "$WORK/dist"
title_as_date
DATE=60x12+66+121

LOCALE=("${RUSSIAN[@]}")
snap russian.png
LOCALE=()
snap english.png
region russian.png "$DATE" russian-date.png
region english.png "$DATE" english-date.png
# The short month name ("mmm dd"), in either form Russian locale data give it.
best=""
for month in "дек" "дек."; do
  snap expected.png --skin title-as-date --label "$month 09"
  region expected.png "$DATE" expected-date.png
  n=$(differing "$WORK/russian-date.png" "$WORK/expected-date.png")
  echo "the date under the Russian locale differs from \"$month 09\" in $n pixels"
  [ "$n" -le 4 ] && best=$month
  [ "$(differing "$WORK/english-date.png" "$WORK/expected-date.png")" -gt 20 ] ||
    fail "the English date looks like \"$month 09\": the comparison sees nothing"
done
[ -n "$best" ] || fail "the date does not show the Russian month name"
echo "ok ($best)"
