#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/: everything, or only the
# targets named (bash scripts/build.sh zendral zendral-server).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build -j2 --target "$@"
else
  cmake --build build -j2
fi
