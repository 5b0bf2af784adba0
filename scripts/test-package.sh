#!/usr/bin/env bash
# Builds the Debian packages (scripts/package.sh) and checks that they install
# a working desktop application and Python module: the desktop entry, the
# metainfo and the packages pass their validators, and from the unpacked
# packages the tool draws a chart on the installed data file, the program
# answers --version with no display, the man pages render and the Python
# module computes a grid. Every failed check is reported; any fails the run.
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
packages=$(dirname "$package")
data_package=$(ls "$packages"/corvane-data_"$version"_all.deb)
python_package=$(ls "$packages"/python3-corvane_"$version"_*.deb)
tree=$work/root
for deb in "$package" "$data_package" "$python_package"; do dpkg -x "$deb" "$tree"; done

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
for deb in "$package" "$data_package" "$python_package"; do
  lintian --display-info --display-experimental --pedantic --fail-on error "$deb" || fail "lintian $(basename "$deb")"
done

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

# The Python module from an empty folder, with Debian's interpreter: it finds
# the data file of corvane-data in the unpacked tree, not elsewhere.
modules=$tree/usr/lib/python3/dist-packages
(cd "$work/empty" && PYTHONPATH=$modules PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c \
  "import corvane; corvane.dose_grid(corvane.load_beam_data(), corvane.Conditions())") ||
  fail "import corvane from the package"
found=$(cd "$work/empty" && PYTHONPATH=$modules PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c \
  "import corvane; print(corvane.load_beam_data().path)") || true
[ "$found" -ef "$tree/usr/share/corvane/6MVTMROCR.dat" ] ||
  fail "the packaged module reads \"$found\", not the data file of corvane-data"

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
