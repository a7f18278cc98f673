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
# The advertising directory of the menu's red gift, written once: the club's own pages. The
# pictures are looked for under /photos/ (put adv-*.png there to show them); without them the
# window shows the names alone.
if [ ! -e "$data/adv.txt" ]; then
  host="127.0.0.1:8044"
  for ((i = 0; i < ${#args[@]}; i++)); do
    case "${args[i]}" in
      --listen) host="${args[i + 1]:-$host}" ;;
      --listen=*) host="${args[i]#--listen=}" ;;
    esac
  done
  for ((i = 0; i < ${#args[@]}; i++)); do
    case "${args[i]}" in
      --public-host) host="${args[i + 1]:-$host}" ;;
      --public-host=*) host="${args[i]#--public-host=}" ;;
    esac
  done
  host="${host/0.0.0.0/127.0.0.1}"
  mkdir -p "$data"
  {
    printf 'SecAdv0000=004##'
    n=0
    while IFS='|' read -r picture name link; do
      n=$((n + 1))
      printf 'SecAdv%03dI=http://%s/photos/%s##' "$n" "$host" "$picture"
      printf 'SecAdv%03dN=%s##' "$n" "$name"
      printf 'SecAdv%03dL=http://%s%s##' "$n" "$host" "$link"
    done <<'LIST'
adv-zendral.png|Zendral|/zendral/
adv-news.png|Club news|/news/index.html
adv-rules.png|Zendral rules|/zendral/#rules
adv-radio.png|Club radio|/musik/_playlist.html
LIST
  } >"$data/adv.txt.tmp" && mv "$data/adv.txt.tmp" "$data/adv.txt"
fi
exec build/bin/zendral-server "$@"
