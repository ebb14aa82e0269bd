#!/usr/bin/env bash
# exits_with.sh CODE TEXT COMMAND...: passes when COMMAND exits with CODE and prints TEXT
# (on either stream). A crash exits with another code, so it fails even after the right words.
set -u
want=$1 text=$2
shift 2
output=$("$@" 2>&1)
got=$?
printf '%s\n' "$output"
if [ "$got" -ne "$want" ]; then
  echo "exits_with: exit code $got, expected $want" >&2
  exit 1
fi
if ! grep -qF -- "$text" <<<"$output"; then
  echo "exits_with: the output does not say: $text" >&2
  exit 1
fi
