#!/usr/bin/env bash
# Builds the core (src/state, src/dose, src/chart) with Debian's Emscripten,
# as the browser edition does, with every warning an error, and runs under
# node: the rules of the chart's numbers (tests/chart/TextRulesTest.cpp),
# and the charts of a few cases (tests/chart/OpsTranscript.cpp), which must
# be byte for byte what the native corvane-chart ops and print-ops write.
# Emscripten's C++ library has no std::to_chars for doubles and WebAssembly
# no SSE2, so this is where the portable paths of both are checked.
#
#   scripts/check-core-em.sh [BUILD_DIR]     (default: build-em beside build/)
# CORVANE_CHART names the native tool (default: build/bin/corvane-chart).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-${CORVANE_BUILD_DIR:-$root/build}-em}
# Emscripten's optimiser needs node's acorn, which Debian keeps here.
export NODE_PATH=/usr/share/nodejs
command -v em++ >/dev/null || { echo "em++ is missing: apt-get install emscripten node-acorn" >&2; exit 1; }
mkdir -p "$out/obj" "$out/include" "$out/generated/version"
# The header-only libraries the core uses, and nothing else of /usr/include.
for dir in tl; do [ -e "/usr/include/$dir" ] && ln -sfn "/usr/include/$dir" "$out/include/$dir"; done
# The version header that CMake writes; the core does not use it.
: >"$out/generated/version/Version.h"

# -fexceptions: Emscripten catches no exception unless told to, and the
# calculation's failure path is one (CalculationFailure).
flags=(-std=c++20 -O2 -fexceptions -Wall -Wextra -Wpedantic -Werror -I"$root/src" -I"$out/include" -I"$out/generated"
       -DCORVANE_INSTALL_DATADIR='"/usr/share/corvane"')
gtest=/usr/src/googletest/googletest
test_flags=(-std=c++20 -O1 -fexceptions -DGTEST_HAS_PTHREAD=0 -I"$gtest/include")

compile() {  # SOURCE OBJECT FLAGS...
  local source=$1 object=$2
  shift 2
  if [ ! -e "$object" ] || [ "$source" -nt "$object" ]; then em++ "$@" -c "$source" -o "$object"; fi
}
export -f compile

sources=("$root"/src/state/*.cpp "$root"/src/dose/*.cpp "$root"/src/chart/*.cpp)
printf '%s\n' "${sources[@]}" | xargs -P 2 -I{} bash -c \
  'compile "$1" "$2/obj/$(basename "$1" .cpp).o" "${@:3}"' _ {} "$out" "${flags[@]}"
compile "$gtest/src/gtest-all.cc" "$out/gtest-all.o" "${test_flags[@]}" -I"$gtest"
compile "$gtest/src/gtest_main.cc" "$out/gtest_main.o" "${test_flags[@]}"
compile "$root/tests/chart/TextRulesTest.cpp" "$out/TextRulesTest.o" "${test_flags[@]}" -Wall -Wextra -Werror \
  -I"$root/src" -I"$root/tests" -I"$out/include"

compile "$root/tests/chart/OpsTranscript.cpp" "$out/OpsTranscript.o" "${flags[@]}"

objects=()
for s in "${sources[@]}"; do objects+=("$out/obj/$(basename "$s" .cpp).o"); done
link=(-fexceptions -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1)
em++ "${link[@]}" "$out/TextRulesTest.o" "${objects[@]}" "$out/gtest-all.o" "$out/gtest_main.o" \
  -o "$out/text-rules.js"
em++ "${link[@]}" -sNODERAWFS=1 "$out/OpsTranscript.o" "${objects[@]}" -o "$out/ops-transcript.js"
node "$out/text-rules.js"

tool=${CORVANE_CHART:-${CORVANE_BUILD_DIR:-$root/build}/bin/corvane-chart}
[ -x "$tool" ] || { echo "no native corvane-chart at $tool to compare with" >&2; exit 1; }
data=$root/data/6MVTMROCR.dat
status=0
# setup depth width length wedge mesh: the default, both set-ups, narrow and
# wide fields, and one that fails on screen but prints. Open fields only: a
# wedge's factor is an exp() of the C library, and glibc picks an FMA
# variant of exp and tan at run time on processors that have FMA, which
# WebAssembly lacks, so wedged grids may differ in their last bit from one
# machine to another (and from the browser), though never by more.
for c in "1 5.0 10.0 10.0 1 0" "2 5.0 10.0 10.0 1 1" "2 8.5 12 7.5 1 1" "1 5 1 1 1 0" "1 5 37 37 1 0" \
         "1 5 40 40 1 0" "2 3 4 4 1 0" "1 24.9 20 20 1 1"; do
  read -r setup depth width length wedge mesh <<<"$c"
  wedges=(non non 30 45 60)
  setups=(x ssd std)
  options=(--data "$data" --setup "${setups[$setup]}" --depth "$depth" --width "$width" --length "$length"
           --wedge "${wedges[$wedge]}")
  expected=$( ("$tool" ops "${options[@]}" --mesh "$mesh" || true; "$tool" print-ops "${options[@]}") 2>/dev/null || true)
  actual=$(node "$out/ops-transcript.js" "$data" $c 2>/dev/null || true)
  if [ "$expected" == "$actual" ]; then
    echo "em++ charts: $c: the same ($(wc -l <<<"$actual") operations)"
  else
    echo "em++ charts: $c: DIFFERENT from the native tool" >&2
    status=1
  fi
done
exit $status
