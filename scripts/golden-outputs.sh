#!/usr/bin/env bash
# Writes what corvane-chart gives for a fixed set of conditions and data files
# into a folder: standard output, standard error and the exit code of every
# run, and the pictures render writes. Run it on two builds and compare the
# folders with `diff -r` to show that a change of the code's shape left every
# output byte for byte as it was.
#
#   scripts/golden-outputs.sh OUTDIR [CORVANE_CHART]
#
# CORVANE_CHART defaults to build/bin/corvane-chart of this tree. OUTDIR must
# not exist yet. Takes a minute or two.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: golden-outputs.sh OUTDIR [CORVANE_CHART]}
tool=$(realpath "${2:-$root/build/bin/corvane-chart}")
[ -x "$tool" ] || { echo "no corvane-chart at $tool" >&2; exit 2; }
[ ! -e "$out" ] || { echo "$out exists already" >&2; exit 2; }
mkdir -p "$out"
out=$(realpath "$out")

# The tool runs in a folder of its own, so that every path in a message is
# the same short relative one on every machine.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/data/6MVTMROCR.dat" "$work/data.dat"
cd "$work"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen

# run NAME ARGS...: the tool's output, errors and exit code under NAME.
run() {
  local name=$1
  shift
  local code=0
  "$tool" "$@" >"$out/$name.out" 2>"$out/$name.err" || code=$?
  echo "$code" >"$out/$name.code"
}

# The conditions: name, set-up, depth, width, length and wedge as typed.
conditions=(
  "default|ssd|5.0|10.0|10.0|non"
  "std-default|std|5.0|10.0|10.0|non"
  "ssd-w30|ssd|10|10|10|30"
  "ssd-w45|ssd|10|10|10|45"
  "ssd-w60|ssd|10|10|10|60"
  "std-rect-w30|std|8.5|12|7.5|30"
  "std-long-w45|std|15|6|20|45"
  "std-small-w60|std|3|4|4|60"
  "narrow|ssd|5|1|1|non"
  "narrower-w45|ssd|5|0.5|10|45"
  "wide|ssd|5|25|25|non"
  "wider|ssd|5|30|30|non"
  "widest-w60|std|10|35|35|60"
  "huge-w30|ssd|5|40|40|30"
  "zero-width|ssd|5|0|10|non"
  "zero-length|ssd|5|10|0|non"
  "negative-width|ssd|5|-3|10|non"
  "too-deep|ssd|30|10|10|non"
  "deep-w60|ssd|24.9|20|20|60"
  "std-deepest-w60|std|25|15|15|60"
  "std-surface|std|0|10|10|non"
  "text-depth|ssd|abc|10|10|non"
  "odd-texts-w30|ssd| 4.37cm|10e|1e1|30"
  "odd-texts-std-w45|std|.5|  7.25|+12|45"
  "huge-depth|ssd|1e300|10|10|non"
  "huge-width|ssd|5|1e300|10|non"
  "empty-texts|ssd|-|||non"
)

for c in "${conditions[@]}"; do
  IFS='|' read -r name setup depth width length wedge <<<"$c"
  opts=(--data data.dat --setup "$setup" --depth "$depth" --width "$width" --length "$length" --wedge "$wedge")
  run "$name.dose" dose "${opts[@]}"
  run "$name.ops0" ops "${opts[@]}"
  run "$name.ops1" ops "${opts[@]}" --mesh 1
  run "$name.print-ops" print-ops "${opts[@]}"
  run "$name.profile-depth-0" profile "${opts[@]}" --axis depth --at 0
  run "$name.profile-depth-m37" profile "${opts[@]}" --axis depth --at -37
  run "$name.profile-lateral-50" profile "${opts[@]}" --axis lateral --at 50
  run "$name.profile-lateral-250" profile "${opts[@]}" --axis lateral --at 250
  for format in png svg; do
    rm -f "chart.$format"
    run "$name.render-$format" render "${opts[@]}" --out "chart.$format"
    if [ -e "chart.$format" ]; then mv "chart.$format" "$out/$name.$format"; fi
  done
done
# The 1 cm mesh and a larger scale in a picture.
run "default.render-mesh1" render --data data.dat --mesh 1 --scale 2 --out mesh.png
mv mesh.png "$out/default.mesh1-scale2.png"

# Bad usage, as each command words it.
run usage.no-command
run usage.unknown-command nonsense
run usage.ops-mesh ops --data data.dat --mesh 2
run usage.render-mesh render --data data.dat --out x.png --mesh x
run usage.render-scale render --data data.dat --out x.svg --scale 2
run usage.render-out render --data data.dat --out x.gif
run usage.setup dose --data data.dat --setup sad
run usage.wedge ops --data data.dat --wedge 15
run usage.option-twice dose --depth 1 --depth 2
run usage.option-equals dose --depth=1
run usage.profile-axis profile --data data.dat --at 3
run usage.profile-at profile --data data.dat --axis lateral --at 251
run usage.render-unwritable render --data data.dat --out /proc/chart.png
for command in "" dose ops print-ops profile render check-data convert; do
  run "help.${command:-main}" $command --help
done
run version --version

# Data files: the bundled one read as a check and as CSV, and damaged ones,
# each refused (or warned about) at its line.
run data.check-data check-data --data data.dat
mkdir csv
run data.to-csv convert --data data.dat --to-csv csv
cp csv/tmr.csv "$out/data.tmr.csv"
cp csv/ocr.csv "$out/data.ocr.csv"
run data.from-csv convert --tmr csv/tmr.csv --ocr csv/ocr.csv --heading "Made back" --out made.dat
cp made.dat "$out/data.made.dat"
sed '3s/0.5719/0.5x19/' csv/tmr.csv >bad-tmr.csv
run data.bad-csv convert --tmr bad-tmr.csv --ocr csv/ocr.csv --heading "x" --out bad.dat
sed '3s/1.0001/-1.0001/' csv/ocr.csv >bad-ocr.csv
run data.negative-csv convert --tmr csv/tmr.csv --ocr bad-ocr.csv --heading "x" --out bad.dat
sed '3s/0.5831/2.5831/' csv/tmr.csv >high-tmr.csv
run data.high-csv convert --tmr high-tmr.csv --ocr csv/ocr.csv --heading "x" --out bad.dat

# name|sed expression on the bundled file
damaged=(
  "not-decimal|5s/0.5719/0.5x19/"
  "not-finite|5s/0.5719/inf/"
  "too-large|5s/0.5719/1e999/"
  "negative|6s/0.7533/-0.7533/"
  "negative-depth|4s/^   0,/  -1,/"
  "above-limit|7s/0.8824/2.8824/"
  "two-commas|8s/0.9400,/0.9400,,/"
  "comma-at-end|8s/\$/,/"
  "comma-first|8s/^  10,/ , 10,/"
  "not-ascending|9s/^ *[0-9]*,/   5,/"
  "too-shallow|40s/^ 300,/ 240,/"
  "more-numbers|66s/^/ 2.10, 0.1, 0.1, 0.1\\n/"
  "ends-early|30,\$d"
  "field-too-long|5s/0.5719/0.57190000000000000000000000000000000000000000000000000000000000000001/"
  "misplaced-ocr|49s/0.40/0.45/"
  "implausible|12s/0.9929/1.2929/"
  "falls-with-field|20s/, 0/, 0.1/"
  "heading-only|2,\$d"
)
for d in "${damaged[@]}"; do
  name=${d%%|*}
  sed -e "${d#*|}" data.dat >"$name.dat"
  run "data.$name.dose" profile --data "$name.dat" --axis depth --at 0
  run "data.$name.check" check-data --data "$name.dat"
done
: >empty.dat
run data.empty check-data --data empty.dat
mkdir folder.dat
run data.folder dose --data folder.dat
run data.missing ops --data missing.dat
printf 'x%.0s' $(seq 1 70000) >long-line.dat
run data.long-line dose --data long-line.dat
echo "golden outputs written to $out ($(ls "$out" | wc -l) files)"
