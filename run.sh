#!/usr/bin/env bash
# Builds Tarvo, installs it into its application folder and starts it from
# there. The application folder holds your projects, so it lives outside
# the source tree and its build folders: $TARVO_HOME, by default ~/Tarvo,
# made on the first run and kept (with your projects) by every later one.
set -euo pipefail
cd "$(dirname "$0")"
APP_FOLDER=${TARVO_HOME:-$HOME/Tarvo}
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  tools/install-deps.sh xvfb
else
  tools/install-deps.sh
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DTARVO_BENCHMARKS=OFF
cmake --build build -j"$(nproc)" --target tarvo
cmake --install build --prefix "$APP_FOLDER" >/dev/null
# The desktop entry for this user, so the menu starts the installed Tarvo.
mkdir -p "$HOME/.local/share/applications"
cp "$APP_FOLDER/share/applications/tarvo.desktop" "$HOME/.local/share/applications/tarvo.desktop"
echo "Tarvo is installed in $APP_FOLDER; your projects are in $APP_FOLDER/projects." >&2
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: starting Tarvo under xvfb-run." >&2
  exec xvfb-run -a "$APP_FOLDER/tarvo"
fi
exec "$APP_FOLDER/tarvo"
