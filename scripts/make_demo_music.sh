#!/usr/bin/env bash
# Writes the nine background-music tracks of a demo game folder as short generated tunes:
#   scripts/make_demo_music.sh <game folder>   ->   <game folder>/Data/Sound/S_BGM_*.mp3
# Each track is a few seconds of its own little melody, made here with sox (lame as a fallback
# when sox cannot write MP3). Tracks that already exist are kept, so running it again is quick.
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 <game folder>" >&2
  exit 2
fi
sound="$1/Data/Sound"
mkdir -p "$sound"

# name, then the notes of its melody (one bar of six notes each).
tracks=(
  "S_BGM_BrenhalField.mp3 C4 E4 G4 C5 G4 E4"
  "S_BGM_BrenhalDgn_NightValley.mp3 A3 C4 E4 D#4 C4 A3"
  "S_BGM_PlainField.mp3 D4 F#4 A4 F#4 B4 A4"
  "S_BGM_BrenhalField_Conquest.mp3 G3 G3 D4 G4 F4 D4"
  "S_BGM_PlainField_conquest.mp3 E4 B4 G#4 E5 B4 E4"
  "S_BGM_SunnyCoast.mp3 F4 A4 C5 A4 G4 F4"
  "S_BGM_BrenhalTown.mp3 C5 B4 A4 G4 A4 C5"
  "S_BGM_Tevanis.mp3 B3 D4 F#4 A4 F#4 D4"
  "S_BGM_morel.mp3 E5 D5 C5 D5 E5 E5"
)

sox_writes_mp3() {
  sox -h 2>/dev/null | grep -q 'AUDIO FILE FORMATS:.* mp3'
}

# Renders one melody to the given file (.mp3 straight from sox, or .wav for lame).
render() {
  local out="$1"
  shift
  local parts=()
  for note in "$@"; do
    parts+=("|sox -q -n -p synth 0.5 pluck $note fade 0 0.5 0.1")
  done
  sox -q "${parts[@]}" -r 44100 -c 2 "$out" gain -3
}

for entry in "${tracks[@]}"; do
  read -r name notes <<<"$entry"
  target="$sound/$name"
  [ -s "$target" ] && continue
  # Written beside the target first, so an interrupted run never leaves half a track.
  partial="$sound/.$name.partial"
  if sox_writes_mp3; then
    # shellcheck disable=SC2086  # the notes are separate words on purpose
    render "$partial.mp3" $notes
  else
    # shellcheck disable=SC2086
    render "$partial.wav" $notes
    lame --quiet "$partial.wav" "$partial.mp3"
    rm -f "$partial.wav"
  fi
  mv -f "$partial.mp3" "$target"
done
