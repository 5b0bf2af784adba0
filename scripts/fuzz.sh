#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ (or
# $CORVANE_FUZZ_BUILD_DIR), replays each checked-in corpus, then fuzzes each
# target from seed 1 for a fixed number of runs, so that a run is repeatable.
# Any crash, sanitizer report or broken invariant fails the script; the input
# that caused it is kept in the build folder's fuzz-artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVANE_BUILD_FUZZERS=ON -DCORVANE_BUILD_GUI=OFF -DBUILD_TESTING=OFF \
  -DCORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target corvane_fuzzers

# Runs per target, each about 60 s on two cores, and the longest input.
# With a fixed count, seed 1 and no rereading of the corpus (-reload=0) a run
# makes the same inputs every time, provided the addresses do not change: the
# fuzzer learns from compared values, and some of them are addresses. So the
# address-space randomisation is turned off where the system allows it.
declare -A runs=([fuzz_beam_data]=750000 [fuzz_beam_data_csv]=500000 [fuzz_leading_number]=9000000
  [fuzz_dose_chart]=18000)
declare -A max_len=([fuzz_beam_data]=4400 [fuzz_beam_data_csv]=4400 [fuzz_leading_number]=64
  [fuzz_dose_chart]=48)
targets=(fuzz_beam_data fuzz_beam_data_csv fuzz_leading_number fuzz_dose_chart)

fixed_addresses=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
  fixed_addresses=(setarch "$(uname -m)" -R)
else
  echo "Note: address-space randomisation stays on; the runs may differ from one time to the next."
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# New inputs go to a copy of the corpus, never into fuzz/corpus/.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
logs=$build/fuzz-logs
artifacts=$build/fuzz-artifacts
mkdir -p "$logs" "$artifacts"

status=0
# A log shows a fault by the fuzzer's exit status, or by a sanitizer
# report that somehow did not end the run. `where` says where the input is.
check() {
  local target=$1 stage=$2 result=$3 log=$4 where=$5
  if [ "$result" -ne 0 ] ||
    grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    echo "FAILED: $target, $stage (exit $result); the end of $log:"
    tail -n 60 "$log"
    echo "$where; rerun it with: $build/bin/$target FILE"
    status=1
    return 1
  fi
}

for target in "${targets[@]}"; do
  bin=$build/bin/$target
  corpus=$root/fuzz/corpus/${target#fuzz_}
  mkdir -p "$work/$target"
  cp "$corpus"/* "$work/$target/"

  log=$logs/$target-replay.log
  result=0
  "$bin" -artifact_prefix="$artifacts/$target-" "$corpus"/* >"$log" 2>&1 || result=$?
  check "$target" "corpus replay" "$result" "$log" \
    "The input is the corpus file named in the last \"Running:\" line above" || continue
  echo "$target: corpus of $(ls "$corpus" | wc -l) inputs replayed"

  log=$logs/$target.log
  result=0
  start=$SECONDS
  "${fixed_addresses[@]}" "$bin" -seed=1 -runs="${runs[$target]}" -max_len="${max_len[$target]}" \
    -reload=0 -timeout=30 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
    "$work/$target" >"$log" 2>&1 || result=$?
  check "$target" "${runs[$target]} runs from seed 1" "$result" "$log" \
    "The input is kept as $artifacts/$target-*" || continue
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "$target: ${runs[$target]} runs in $((SECONDS - start)) s ($rate runs/s)"
done
exit $status
