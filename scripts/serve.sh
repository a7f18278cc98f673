#!/usr/bin/env bash
# Builds zendral-server and runs it in the foreground for a club (Ctrl-C stops it).
# Any options go to the server, for example:
#   bash scripts/serve.sh --listen 0.0.0.0:8044 --public-host club.example.org:8044
# Without options it listens on 127.0.0.1:8044 with its data (and SQLite database) in
# $XDG_DATA_HOME/kov-games/zendral-server. "build/bin/zendral-server --help" lists everything.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target zendral-server zendral-packs -j2
# The resource packs the server offers for download are drawn once into its data folder.
data="${XDG_DATA_HOME:-$HOME/.local/share}/kov-games/zendral-server"
args=("$@")
for ((i = 0; i < ${#args[@]}; i++)); do
  case "${args[i]}" in
    --data) data="${args[i + 1]:-$data}" ;;
    --data=*) data="${args[i]#--data=}" ;;
  esac
done
missing=()
for pack in KovCards06A.dll KovCards06B.dll KovCards06C.dll KovBackG03.dll KovCGraph1.dll \
            KovCalendar01.dll KovRadio02.dll KovCVoice3.dll; do
  [ -e "$data/packs/$pack" ] || missing+=("$pack")
done
if [ ${#missing[@]} -gt 0 ]; then
  QT_QPA_PLATFORM=offscreen build/bin/zendral-packs --out "$data/packs" --only "${missing[@]}"
fi
# The radio stations play the music folder: an empty one gets the generated tracks once.
if ! compgen -G "$data/music/*.mp3" >/dev/null; then
  bash tools/musicgen/make-music.sh "$data/music" || echo "serve: no music made; the radio stays silent" >&2
fi
exec build/bin/zendral-server "$@"
