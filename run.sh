#!/usr/bin/env bash
# Installs what is missing, builds the release tree, assembles build/program/ and starts ombrix2014 there.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBRIX_TESTS=OFF >/dev/null
cmake --build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display to show the program on (set DISPLAY, or run under xvfb-run)." >&2
  exit 1
fi
cd build/program
exec ./ombrix2014 "$@"
