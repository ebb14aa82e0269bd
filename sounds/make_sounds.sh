#!/usr/bin/env bash
# Makes the clock's own sounds with sox and lame:
#   chime.mp3: three soft bell tones falling E5, C5, G4, each ringing on over the next (about 2.2 s)
#   beep.mp3:  one short 880 Hz beep (0.25 s), replayed every second by the alarm
# The mp3 files are committed; run this only to change them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A bell: the tone with a quieter partial an octave up, an instant attack and a long decay.
bell() {
  local out=$1 freq=$2 delay=$3
  sox -n -r 44100 -c 1 "$tmp/$out" synth 1.6 sine "$freq" sine "$(echo "$freq * 2" | bc)" \
    remix 1v0.8,2v0.2 fade q 0.005 1.6 1.55 pad "$delay" 0
}
bell e.wav 659.25 0
bell c.wav 523.25 0.3
bell g.wav 392.00 0.6
sox -m "$tmp/e.wav" "$tmp/c.wav" "$tmp/g.wav" "$tmp/chime.wav" gain -n -3
sox -n -r 44100 -c 1 "$tmp/beep.wav" synth 0.25 sine 880 fade q 0.01 0.25 0.03 gain -n -6

lame --quiet -b 96 -m m "$tmp/chime.wav" "$here/chime.mp3"
lame --quiet -b 96 -m m "$tmp/beep.wav" "$here/beep.mp3"
