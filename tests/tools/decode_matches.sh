#!/usr/bin/env bash
# decode_matches.sh WINE_RUN ORMEL_SKIN_EXE IN.png OUT.pam: `ormel-skin decode` under Wine
# must write the very pixels, alpha included, that ImageMagick reads from the same PNG.
set -u
wine_run=$1 tool=$2 png=$3 pam=$4
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
rm -f "$pam"
"$wine_run" "$tool" decode "$(windows_path "$png")" "$(windows_path "$pam")" || {
  echo "decode_matches: ormel-skin decode exited with $?" >&2
  exit 1
}
# -metric AE counts the pixels that differ in any channel; it exits 0 only when none do.
differing=$(compare -metric AE "$png" "$pam" null: 2>&1)
status=$?
if [ "$status" -ne 0 ]; then
  echo "decode_matches: $differing pixels differ from ImageMagick's decode (compare exited with $status)" >&2
  exit 1
fi
echo "decode_matches: all pixels agree with ImageMagick's decode"
