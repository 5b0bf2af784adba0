#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks that it installs a
# working desktop application: the desktop entry, the metainfo and the package
# pass their validators, and from the unpacked package the tool draws a chart
# on the installed data file, the program answers --version with no display,
# and the man pages render. Every failed check is reported; any fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANE_BUILD_DIR:-$root/build}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

start=$SECONDS
if ! "$root/scripts/package.sh" >"$work/package.log"; then
  tail -n 40 "$work/package.log"
  echo "FAILED: scripts/package.sh"
  exit 1
fi
package=$(tail -n 1 "$work/package.log")
echo "Package: $package ($((SECONDS - start)) s to build)"
version=$(dpkg-deb -f "$package" Version)
tree=$work/root
dpkg -x "$package" "$tree"

status=0
fail() {
  echo "FAILED: $*"
  status=1
}

# The validators. validate-tree checks the metainfo as `appstreamcli validate`
# does, and that the desktop entry it launches is in the tree too.
desktop-file-validate "$tree/usr/share/applications/io.github.corvane.Corvane.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate-tree --no-net "$tree" || fail "appstreamcli validate-tree"
lintian --display-info --display-experimental --pedantic --fail-on error "$package" || fail "lintian"

# The tool from an empty working folder: the data file can only come from the
# package's share/corvane. Its numbers are those of the main build.
mkdir "$work/empty"
(cd "$work/empty" && "$tree/usr/bin/corvane-chart" render --out "$work/chart.png") ||
  fail "corvane-chart render from the package"
file "$work/chart.png" | grep -q 'PNG image data, 997 x 685' || fail "the rendered chart is not a 997 x 685 PNG"
reference=$build/bin/corvane-chart
if [ -x "$reference" ]; then
  cmp -s <(cd "$work/empty" && "$tree/usr/bin/corvane-chart" dose --setup std --depth 8 --wedge 45) \
    <("$reference" dose --data "$root/data/6MVTMROCR.dat" --setup std --depth 8 --wedge 45) ||
    fail "the packaged corvane-chart computes another dose grid than $reference"
fi

# Both programs name the package's version, which comes from project().
for program in corvane corvane-chart; do
  first=$(QT_QPA_PLATFORM=offscreen "$tree/usr/bin/$program" --version | head -n 1) || true
  [ "$first" = "$program $version" ] || fail "$program --version says \"$first\", not \"$program $version\""
done

for program in corvane corvane-chart; do
  page=$tree/usr/share/man/man1/$program.1.gz
  text=$(man -l "$page" 2>/dev/null) || true
  grep -q '^NAME' <<<"$text" && grep -q "^ *$program - " <<<"$text" || fail "the man page $program(1) does not render"
done

echo "Package stage: $((SECONDS - start)) s"
exit $status
