#!/usr/bin/env bash
# The browser edition: the core compiled to WebAssembly with the page, as a
# static site in build-web/site/ (or $CORVANE_WEB_DIR/site).
#   scripts/web.sh build   installs what it needs and builds the site
#   scripts/web.sh         builds it and serves it at http://127.0.0.1:8080/
#                          (the port in $CORVANE_WEB_PORT, if set)
# The method window's pictures and the icons are drawn at build time by the
# desktop's own code, in the host build (build/, or $CORVANE_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
web=${CORVANE_WEB_DIR:-$root/build-web}
host=${CORVANE_BUILD_DIR:-$root/build}
command=${1:-serve}
case $command in
  build | serve) ;;
  *) echo "usage: scripts/web.sh [build]" >&2; exit 2 ;;
esac

"$root/scripts/install-deps.sh"

# The host tools that draw the pictures, in the host build as it is
# configured (a Release build if there is none yet). Configured again first:
# a build made before a tool was added would not know its target.
if [ ! -f "$host/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$host" -DCMAKE_BUILD_TYPE=Release >/dev/null
else
  cmake -S "$root" -B "$host" >/dev/null
fi
cmake --build "$host" -j2 --target render-icons render-web-pictures
QT_QPA_PLATFORM=offscreen "$host/tools/render-web-pictures/render-web-pictures" "$web/pictures"
QT_QPA_PLATFORM=offscreen "$host/tools/render-icons/render-icons" "$web/icons" corvane 192 512

# The WebAssembly module: Debian's emscripten, whose optimiser finds acorn
# only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$web/wasm-build" -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_GUI=OFF \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$web/wasm-build" -j2

/usr/bin/python3 "$root/web/tools/build-site.py" --wasm "$web/wasm-build/wasm" --pictures "$web/pictures" \
  --icons "$web/icons" --out "$web/site"
echo "The site is in $web/site"

if [ "$command" = serve ]; then
  port=${CORVANE_WEB_PORT:-8080}
  echo "Corvane is served at http://127.0.0.1:$port/ (Ctrl+C ends)"
  exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$web/site" "$port"
fi
