#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev qt6-charts-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev libexpected-dev
  emscripten node-acorn nodejs
  fonts-noto-cjk fonts-liberation
  xvfb xauth cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  locales
  dpkg-dev help2man desktop-file-utils appstream lintian man-db file
  pybind11-dev python3-dev python3-numpy python3-pytest python3-matplotlib
  # The browser edition's tests (scripts/test-web.sh).
  chromium chromium-driver python3-selenium
)
# npm installs axe-core for the page's tests; Node.js may come with its own.
command -v npm >/dev/null 2>&1 || packages+=(npm)

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi

# A locale that writes decimal commas, so the tests can show that no number
# the program reads or writes depends on the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${sudo[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
