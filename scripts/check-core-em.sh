#!/usr/bin/env bash
# Builds the core (src/state, src/dose, src/chart) with Debian's Emscripten,
# as the browser edition does, with every warning an error, and runs under
# node: the rules of the chart's numbers (tests/chart/TextRulesTest.cpp), and
# corvane-chart itself (all but render, which needs Qt), whose dose, ops,
# print-ops and profile must write byte for byte what the native tool writes.
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
# The version header that CMake writes.
version=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
sed "s/@PROJECT_VERSION@/$version/" "$root/src/version/Version.h.in" >"$out/generated/version/Version.h"

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
tool_sources=()
for f in "$root"/tools/corvane-chart/*.cpp; do
  [ "$(basename "$f")" = RenderCommand.cpp ] || tool_sources+=("$f")
done
printf '%s\n' "${sources[@]}" "${tool_sources[@]}" | xargs -P 2 -I{} bash -c \
  'compile "$1" "$2/obj/$(basename "$1" .cpp).o" "${@:3}"' _ {} "$out" "${flags[@]}"
compile "$gtest/src/gtest-all.cc" "$out/gtest-all.o" "${test_flags[@]}" -I"$gtest"
compile "$gtest/src/gtest_main.cc" "$out/gtest_main.o" "${test_flags[@]}"
compile "$root/tests/chart/TextRulesTest.cpp" "$out/TextRulesTest.o" "${test_flags[@]}" -Wall -Wextra -Werror \
  -I"$root/src" -I"$root/tests" -I"$out/include"

objects=()
for s in "${sources[@]}"; do objects+=("$out/obj/$(basename "$s" .cpp).o"); done
tool_objects=()
for s in "${tool_sources[@]}"; do tool_objects+=("$out/obj/$(basename "$s" .cpp).o"); done
link=(-fexceptions -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1)
em++ "${link[@]}" "$out/TextRulesTest.o" "${objects[@]}" "$out/gtest-all.o" "$out/gtest_main.o" \
  -o "$out/text-rules.js"
em++ "${link[@]}" -sNODERAWFS=1 "${tool_objects[@]}" "${objects[@]}" -o "$out/corvane-chart.js"
node "$out/text-rules.js"

tool=${CORVANE_CHART:-${CORVANE_BUILD_DIR:-$root/build}/bin/corvane-chart}
[ -x "$tool" ] || { echo "no native corvane-chart at $tool to compare with" >&2; exit 1; }
data=$root/data/6MVTMROCR.dat
status=0
# setup depth width length: the default, both set-ups, narrow and wide
# fields, and one that fails on screen but prints. Open fields only: a
# wedge's factor is an exp() of the C library, and glibc picks an FMA
# variant of exp and tan at run time on processors that have FMA, which
# WebAssembly lacks, so wedged grids may differ in their last bit from one
# machine to another (and from the browser), though never by more.
for c in "ssd 5.0 10.0 10.0" "std 5.0 10.0 10.0" "std 8.5 12 7.5" "ssd 5 1 1" "ssd 5 37 37" "ssd 5 40 40" \
         "std 3 4 4" "ssd 24.9 20 20" "ssd 5 0 10"; do
  read -r setup depth width length <<<"$c"
  options=(--data "$data" --setup "$setup" --depth "$depth" --width "$width" --length "$length")
  for command in "dose" "ops --mesh 0" "ops --mesh 1" "print-ops" "profile --axis lateral --at 50" \
                 "profile --axis depth --at -37"; do
    # shellcheck disable=SC2086
    expected=$("$tool" $command "${options[@]}" 2>&1; echo "exit $?")
    # shellcheck disable=SC2086
    actual=$(node "$out/corvane-chart.js" $command "${options[@]}" 2>&1; echo "exit $?")
    if [ "$expected" != "$actual" ]; then
      echo "em++ corvane-chart $command: $c: DIFFERENT from the native tool" >&2
      status=1
    fi
  done
  echo "em++ corvane-chart: $c: dose, ops, print-ops and profiles as the native tool"
done
exit $status
