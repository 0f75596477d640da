#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts TARLIX.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARLIX_TESTS=OFF >/dev/null
cmake --build build/release --target tarlix tarlix-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "TARLIX needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
  echo "Start it from a desktop session, or use build/release/src/tarlix-cli for headless work." >&2
  exit 1
fi
exec build/release/src/tarlix "$@"
