#!/usr/bin/env python3
"""Whole simulated kons per second on one core, as bench_game measures them, over several runs.

The machine may be shared, so one run says little: this runs the benchmark several times
(each run a separate process, pinned to one core when the system allows it) and reports every
run, the best and the median, by CPU time.

    python3 bench/kon_rate.py build/bin/bench_game [OTHER_BENCH_GAME ...] [--runs 9] [--filter SimulatedKon]

Two builds are best compared by giving both binaries in one run: their runs take turns, so that
both see the same load. On the 2-core development machine, shared with other builds, whole
simulated kons ran at a median of 1.03 million per second (the build before the in-place kon
steps and the popcount variant of the kon loop: 0.71 million in the same run).
"""

import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys


def one_run(binary, bench_filter):
    command = [binary, f"--benchmark_filter={bench_filter}", "--benchmark_format=json"]
    if hasattr(os, "sched_getaffinity") and shutil.which("taskset"):
        command = ["taskset", "-c", str(min(os.sched_getaffinity(0)))] + command
    out = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    rates = {}
    for bench in json.loads(out)["benchmarks"]:
        rates[bench["name"]] = bench["items_per_second"]
    return rates


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binaries", nargs="+", metavar="binary")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--filter", default="SimulatedKon|DrivenKon")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")

    runs = {binary: [] for binary in args.binaries}
    for _ in range(args.runs):
        for binary in args.binaries:
            runs[binary].append(one_run(binary, args.filter))
    for binary in args.binaries:
        if len(args.binaries) > 1:
            print(f"{binary}:")
        for name in sorted(runs[binary][0]):
            rates = [run[name] for run in runs[binary] if name in run]
            listed = " ".join(f"{r / 1000:.0f}k" for r in rates)
            print(f"{name}: kons/s by run: {listed}")
            print(f"{name}: best {max(rates) / 1000:.0f} thousand/s, "
                  f"median {statistics.median(rates) / 1000:.0f} thousand/s over {len(rates)} runs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
