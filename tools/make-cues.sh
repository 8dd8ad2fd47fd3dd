#!/usr/bin/env bash
# Generates the program's sound cues into data/media/ with sox.
#
# Every cue is 44.1 kHz 16-bit mono PCM, short enough to sound once per key
# at 600 keys per minute, peaks at -6 dBFS, and fades in and out over a few
# milliseconds so that it starts and ends without a click. The output is the
# same on every run (-R: no random seed; -D: no dither), so the committed
# files only change when this script does.
#
# Usage: tools/make-cues.sh [output folder]   (default: data/media)
set -euo pipefail

out=${1:-"$(cd "$(dirname "$0")/.." && pwd)/data/media"}
mkdir -p "$out"

# cue <file> <peak dBFS> <sox effects...>: synthesises one cue, fades its
# edges and normalises its peak.
cue() {
  local file=$1 peak=$2
  shift 2
  sox -R -D -n -r 44100 -b 16 -c 1 -e signed-integer "$out/$file" "$@" norm "$peak"
}

# word_ok: a soft click, a short bright tick that dies away at once.
cue word_ok.wav -12 \
  synth 0.045 sine 2400 sine 3600 remix - gain -10 \
  lowpass 5000 fade q 0.002 0.045 0.038

# word_err: a low, short buzz, rounded off so that it does not rasp.
cue word_err.wav -9 \
  synth 0.16 square 110 square 112 remix - gain -10 \
  lowpass 900 fade h 0.006 0.16 0.05

# Game_CityShoot: a bright ping that rings out.
cue Game_CityShoot.wav -8 \
  synth 0.26 sine 1568 sine 3136 sine 4704 remix 1v0.7,2v0.2,3v0.1 \
  fade q 0.003 0.26 0.24

# Game_CityHurt: a dull thud, a falling low tone over a little rumble.
cue Game_CityHurt.wav -6 \
  synth 0.24 sine 140:45 brownnoise remix 1v0.85,2v0.15 \
  gain -10 lowpass 400 fade q 0.004 0.24 0.2

# Game_CityMissShoot: a short blip.
cue Game_CityMissShoot.wav -12 \
  synth 0.07 sine 660:990 \
  fade h 0.004 0.07 0.03

# Game_DifficultyIncrease: a rising chord, its four notes one after another,
# their plucked attack softened.
cue Game_DifficultyIncrease.wav -8 \
  synth 0.62 pluck C5 pluck E5 pluck G5 pluck C6 \
  delay 0 0.07 0.14 0.21 remix - gain -10 lowpass 6000 trim 0 0.62 \
  fade q 0.004 0.62 0.2
