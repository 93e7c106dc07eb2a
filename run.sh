#!/usr/bin/env bash
# Builds Tarvo and starts it from its build folder, which is a complete
# application folder (the program with imgs/ beside it).
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  tools/install-deps.sh xvfb
else
  tools/install-deps.sh
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DTARVO_BENCHMARKS=OFF
cmake --build build -j"$(nproc)" --target tarvo
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: starting Tarvo under xvfb-run." >&2
  exec xvfb-run -a build/tarvo
fi
exec build/tarvo
