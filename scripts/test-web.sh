#!/usr/bin/env bash
# The browser edition's tests: builds the site (scripts/web.sh build),
# installs axe-core as web/package-lock.json pins it, and runs tests/web,
# which serve the site on 127.0.0.1 on a free port and drive Debian's
# headless Chromium through the page. corvane-chart of the host build
# (build/bin, or $CORVANE_BUILD_DIR/bin) gives the numbers to agree with.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
web=${CORVANE_WEB_DIR:-$root/build-web}
host=${CORVANE_BUILD_DIR:-$root/build}

"$root/scripts/web.sh" build

mkdir -p "$web/npm"
cp "$root/web/package.json" "$root/web/package-lock.json" "$web/npm/"
(cd "$web/npm" && npm ci --no-audit --no-fund --loglevel=error)

CORVANE_WEB_SITE="$web/site" \
CORVANE_AXE="$web/npm/node_modules/axe-core/axe.min.js" \
CORVANE_CHART="$host/bin/corvane-chart" \
  /usr/bin/python3 -m pytest -q -p no:cacheprovider "$root/tests/web"
