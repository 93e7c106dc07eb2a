#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Tarvo needs that are missing.
#   tools/install-deps.sh          to build and run
#   tools/install-deps.sh test     to build and run the tests as well
#   tools/install-deps.sh xvfb     to build and run on a machine without a display
#   tools/install-deps.sh package  to build the Debian package and check it (tools/package-test.sh)
set -euo pipefail
# qt6-l10n-tools builds the translations; qt6-translations-l10n holds Qt's own
# (its dialogs' buttons) in the user's language.
packages=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libgl-dev fonts-dejavu-core)
case "${1:-}" in
  test) packages+=(poppler-utils libical-dev pkg-config xvfb xauth dbus at-spi2-core python3-pyatspi) ;;
  xvfb) packages+=(xvfb xauth) ;;
  package) packages+=(dpkg-dev file desktop-file-utils appstream poppler-utils libical-dev pkg-config) ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
