#!/usr/bin/env bash
# Builds the core's tests with ThreadSanitizer (clang) into build-tsan/ (or
# $CORVANE_TSAN_BUILD_DIR) and runs the concurrency test there: twelve
# conditions computed and drawn on four threads at once. A data race fails
# the run. Not part of scripts/test.sh, whose own run of the same test costs
# a fraction of a second: this one first builds the core anew (minutes).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANE_TSAN_BUILD_DIR:-$root/build-tsan}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread \
  -DCORVANE_BUILD_GUI=OFF -DBUILD_TESTING=ON -DCORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target corvane_core_tests
TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1} "$build/bin/corvane_core_tests" --gtest_filter='Concurrency*'
