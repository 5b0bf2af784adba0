#!/usr/bin/env bash
# Installs what is needed, builds, and starts Corvane on the bundled data file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/data"
exec "${CORVANE_BUILD_DIR:-$root/build}/bin/corvane" "$@"
