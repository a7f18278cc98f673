#!/usr/bin/env bash
# Builds what the game needs (the program, the club server and the shipped club files, with
# the generators they use; no tests, no benchmarks) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh zendral zendral-server zendral_club_files
# The online windows need a club server: when nothing answers on the built-in address, run
# a local one for this game and stop it when the game ends.
if [ -x build/bin/zendral-server ] && ! (exec 3<>/dev/tcp/127.0.0.1/8044) 2>/dev/null; then
  echo "No club server answers on 127.0.0.1:8044: starting a local zendral-server for this game."
  build/bin/zendral-server 2>>"${TMPDIR:-/tmp}/zendral-server-play.log" &
  server=$!
  trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do
    (exec 3<>/dev/tcp/127.0.0.1/8044) 2>/dev/null && break
    sleep 0.1
  done
  build/bin/zendral
  exit
fi
exec build/bin/zendral
