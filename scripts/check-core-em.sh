#!/usr/bin/env bash
# Builds the core (src/state, src/dose, src/chart) with Debian's Emscripten,
# as the browser edition does, with every warning an error, and runs the
# rules of the chart's numbers (tests/chart/TextRulesTest.cpp) under node:
# Emscripten's C++ library has no std::to_chars for doubles, so there the
# numbers take the printf path, which must give the same texts.
#
#   scripts/check-core-em.sh [BUILD_DIR]     (default: build-em beside build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-${CORVANE_BUILD_DIR:-$root/build}-em}
command -v em++ >/dev/null || { echo "em++ is missing: apt-get install emscripten node-acorn" >&2; exit 1; }
mkdir -p "$out/obj" "$out/include" "$out/generated/version"
# The header-only libraries the core uses, and nothing else of /usr/include.
for dir in tl; do [ -e "/usr/include/$dir" ] && ln -sfn "/usr/include/$dir" "$out/include/$dir"; done
# The version header that CMake writes; the core does not use it.
: >"$out/generated/version/Version.h"

flags=(-std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -I"$root/src" -I"$out/include" -I"$out/generated"
       -DCORVANE_INSTALL_DATADIR='"/usr/share/corvane"')
gtest=/usr/src/googletest/googletest
test_flags=(-std=c++20 -O1 -DGTEST_HAS_PTHREAD=0 -I"$gtest/include")

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

objects=()
for s in "${sources[@]}"; do objects+=("$out/obj/$(basename "$s" .cpp).o"); done
em++ -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1 "$out/TextRulesTest.o" \
  "${objects[@]}" "$out/gtest-all.o" "$out/gtest_main.o" -o "$out/text-rules.js"
NODE_PATH=/usr/share/nodejs node "$out/text-rules.js"
