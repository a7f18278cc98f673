#!/usr/bin/env bash
# Makes the companion server's music folder: the tracks of zendral-musicgen rendered with
# FluidSynth and the TimGM6mb soundfont, encoded as MP3 at a constant 128 kbit/s (the radio
# streams them at that rate), and the playlist page the program reads, one track a line.
#   tools/musicgen/make-music.sh DIR [ZENDRAL-MUSICGEN]
# The generator is the second argument, else $ZENDRAL_MUSICGEN, else the one in build/bin
# (built there first when missing). Tracks already made are kept; each new one appears in DIR
# only once it is whole.
set -euo pipefail

dir=${1:?usage: make-music.sh DIR [ZENDRAL-MUSICGEN]}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
musicgen=${2:-${ZENDRAL_MUSICGEN:-$repo/build/bin/zendral-musicgen}}
if [ ! -x "$musicgen" ] && [ -z "${2:-}${ZENDRAL_MUSICGEN:-}" ]; then
  cmake -S "$repo" -B "$repo/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$repo/build" --target zendral-musicgen -j2 >/dev/null
fi
soundfont=${ZENDRAL_SOUNDFONT:-/usr/share/sounds/sf2/TimGM6mb.sf2}

for tool in fluidsynth lame; do
  command -v "$tool" >/dev/null || { echo "make-music: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$musicgen" ] || { echo "make-music: no zendral-musicgen at $musicgen" >&2; exit 1; }
[ -f "$soundfont" ] || { echo "make-music: no soundfont at $soundfont" >&2; exit 1; }

mkdir -p "$dir"
work=$(mktemp -d "$dir/.music-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$musicgen" "$work" > "$work/list"
while read -r midi; do
  track=${midi%.mid}.mp3
  [ -s "$dir/$track" ] && continue
  fluidsynth -ni -q -g 1.5 -r 44100 -F "$work/track.wav" "$soundfont" "$work/$midi" >/dev/null 2>&1
  # Constant bit rate and no tag frame, so the tracks join into one stream without a seam.
  lame --quiet --cbr -b 128 -t "$work/track.wav" "$work/$track"
  mv "$work/$track" "$dir/$track"
  echo "make-music: $track"
done < "$work/list"

# The playlist page: every track of the folder, one a line.
(cd "$dir" && ls -1 -- *.mp3) > "$work/_playlist.html"
mv "$work/_playlist.html" "$dir/_playlist.html"
