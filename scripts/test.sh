#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test:
# the main build under ctest, the Python module under pytest, the browser
# edition in headless Chromium, then the Debian packages, then the core again
# under AddressSanitizer, then the fuzz targets for a fixed number of runs each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
# The tests and the benchmarks too: the benchmarks are built so that they
# keep compiling, and run by hand (docs/performance.md).
"$root/scripts/build.sh" -DBUILD_TESTING=ON -DCORVANE_BUILD_BENCH=ON -DCORVANE_BUILD_PYTHON=ON

status=0
# Both catalogs must hold a finished translation of every text of the sources.
"$root/scripts/check-translations.sh" || status=1

# The printing tests need a real CUPS queue; the helper starts a private one
# and stops it again when this script ends.
# A service that does not start stops the run here, rather than letting the
# printing tests skip.
service_environment=$("$root/scripts/print-service.sh" start)
trap '"$root/scripts/print-service.sh" stop' EXIT
eval "$service_environment"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600) || status=1

# The Python module from the build, against corvane-chart of the same build,
# with Debian's interpreter (the one python3-numpy belongs to).
PYTHONPATH=$build/python CORVANE_CHART=$build/bin/corvane-chart MPLBACKEND=Agg PYTHONDONTWRITEBYTECODE=1 \
  /usr/bin/python3 -m pytest -q -p no:cacheprovider "$root/tests/python" || status=1

# The browser edition in headless Chromium, against this build's corvane-chart.
CORVANE_BUILD_DIR=$build "$root/scripts/test-web.sh" || status=1

# The Debian package, built as scripts/package.sh builds it (a Release build
# of its own), validated, and run from its unpacked files.
CORVANE_BUILD_DIR=$build CORVANE_PACKAGE_DIR=${build}-package "$root/scripts/test-package.sh" || status=1

# The core once more with AddressSanitizer, to catch any read outside a
# table; built with clang, so that the core and its tests keep compiling
# with both compilers.
asan=${build}-asan
cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVANE_BUILD_GUI=OFF -DBUILD_TESTING=ON -DCORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$asan" -j2
(cd "$asan" && ctest --output-on-failure -j2 --timeout 600) || status=1

# The core as the browser edition builds it, with Emscripten, and the rules
# of the chart's numbers run there under node.
"$root/scripts/check-core-em.sh" "${build}-em" || status=1

# The loader, the CSV tables, the leading-number rule and the path from the
# conditions to the printed page on inputs the fuzzer makes (about five minutes).
CORVANE_FUZZ_BUILD_DIR=${build}-fuzz "$root/scripts/fuzz.sh" || status=1
exit $status
