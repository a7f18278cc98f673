#!/usr/bin/env bash
# Builds everything and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/bin/zendral ]; then
  exec build/bin/zendral
fi
# Until the desktop program is built: a thousand kons between two computer players.
exec build/bin/zendral-cli simulate --kons 1000
