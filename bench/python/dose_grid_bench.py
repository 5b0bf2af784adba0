"""The cost of corvane.dose_grid against the C++ benchmark of ComputeDoseGrid,
and the resident memory over 10,000 calls of each call of the module.

    PYTHONPATH=build/python /usr/bin/python3 bench/python/dose_grid_bench.py \
        --cpp-bench build/bin/corvane_core_bench

Times are medians of repetitions of 200 calls; memory is the resident set
after a warm-up of 10,000 calls and after each of three rounds of 10,000 more.
"""

from __future__ import annotations

import argparse
import gc
import json
import statistics
import subprocess
import time

import corvane

REPETITIONS = 20
CALLS = 200


def median_ms(call, repetitions: int = REPETITIONS, calls: int = CALLS) -> float:
    times = []
    for _ in range(repetitions):
        start = time.perf_counter_ns()
        for _ in range(calls):
            call()
        times.append((time.perf_counter_ns() - start) / calls / 1e6)
    return statistics.median(times)


def cpp_median_ms(executable: str, case: str) -> float:
    output = subprocess.run(
        [executable, f"--benchmark_filter=^BM_ComputeDoseGrid_{case}$", f"--benchmark_repetitions={REPETITIONS}",
         "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
        capture_output=True, text=True, check=True).stdout
    for run in json.loads(output)["benchmarks"]:
        if run.get("aggregate_name") == "median":
            return run["real_time"] / 1e3  # microseconds -> ms
    raise RuntimeError(f"no median in the output of {executable}")


def resident_kib() -> int:
    with open("/proc/self/statm") as statm:
        pages = int(statm.read().split()[1])
    return pages * 4


def resident_after_rounds(call, rounds: int = 3, calls: int = 10_000) -> list[int]:
    """The resident set after a warm-up of `calls` calls, then after each further round of `calls`."""
    sizes = []
    for _ in range(rounds + 1):
        for _ in range(calls):
            call()
        gc.collect()
        sizes.append(resident_kib())
    return sizes


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cpp-bench", help="corvane_core_bench, to compare with ComputeDoseGrid")
    arguments = parser.parse_args()

    beam = corvane.load_beam_data()
    cases = {
        "Default": corvane.Conditions(),
        "30x30Wedge60": corvane.Conditions(width=30, length=30, wedge=60),
    }
    print("dose_grid, median of %d x %d calls:" % (REPETITIONS, CALLS))
    for case, conditions in cases.items():
        python_ms = median_ms(lambda: corvane.dose_grid(beam, conditions))
        line = f"  {case:<14} dose_grid {python_ms:.3f} ms"
        if arguments.cpp_bench:
            cpp_ms = cpp_median_ms(arguments.cpp_bench, case)
            line += f", ComputeDoseGrid {cpp_ms:.3f} ms, difference {python_ms - cpp_ms:+.3f} ms"
        print(line)

    failing = corvane.Conditions(setup="std", depth=20)

    def fails() -> None:
        try:
            corvane.dose_grid(beam, failing)
        except corvane.CalculationError:
            pass

    grid = corvane.dose_grid(beam, corvane.Conditions())
    calls = {
        "dose_grid": lambda: corvane.dose_grid(beam, cases["Default"]),
        "dose_grid, failing": fails,
        "profile": lambda: corvane.profile(grid, "lateral", 100),
        "profile_figures": lambda: corvane.profile_figures(grid, "depth", 0),
        "isodose_curves": lambda: corvane.isodose_curves(beam, cases["Default"]),
        "load_beam_data": corvane.load_beam_data,
    }
    print("resident memory in KiB after 10,000 calls, then after each 10,000 more:")
    for name, call in calls.items():
        sizes = resident_after_rounds(call)
        print(f"  {name:<20} {' '.join(map(str, sizes))}  (largest growth {max(sizes[1:]) - sizes[0]:+d})")


if __name__ == "__main__":
    main()
