#!/usr/bin/env bash
# Builds the Debian packages with CPack into build-package/ (or
# $CORVANE_PACKAGE_DIR): corvane_<version>_amd64.deb, whose path it prints on
# the last line, and the two it prints before: corvane-data (the data file)
# and python3-corvane (the Python module). It is a Release build of its own
# with the prefix /usr, without tests and benchmarks, with Debian's hardening
# flags.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANE_PACKAGE_DIR:-$root/build-package}
# The packaging tools (dpkg-dev, help2man) come with the rest.
"$root/scripts/install-deps.sh" >&2

# The man pages carry the date of the newest commit, so that building the
# same sources twice gives the same files.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
fi
export SOURCE_DATE_EPOCH

# Debian's hardening (stack protector, fortified functions, read-only
# relocations, immediate binding); the build type keeps its own -O3 and no -g.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
# From the top folder, so that file paths in the binaries are relative to it.
cd "$root"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DCORVANE_BUILD_BENCH=OFF -DCORVANE_BUILD_GUI=ON -DCORVANE_BUILD_MANPAGES=ON \
  -DCORVANE_BUILD_PYTHON=ON -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/corvane-data_*.deb "$build"/python3-corvane_*.deb
package=$(ls "$build"/corvane_*.deb)
echo "$package"
