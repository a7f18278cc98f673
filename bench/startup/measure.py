#!/usr/bin/env python3
"""Measures the desktop program zendral, offscreen:

  * the time from process start to the first painted main menu (several runs, median);
  * the peak memory (VmHWM) after one whole kon played as a new player;
  * the card flight's steps per second at speed 5, over the flights of that kon.

The program reports on itself when ZENDRAL_MEASURE is set ("menu" or "kon"); the start time is
handed over as CLOCK_MONOTONIC nanoseconds taken just before the program is started.

    python3 bench/startup/measure.py build/bin/zendral [--runs 10] [--platform xcb]
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import time


def run(program, mode, timeout, platform="offscreen"):
    env = dict(os.environ, QT_QPA_PLATFORM=platform, ZENDRAL_MEASURE=mode)
    env["ZENDRAL_MEASURE_T0_NS"] = str(time.monotonic_ns())
    done = subprocess.run([program], env=env, capture_output=True, text=True, timeout=timeout,
                          cwd=os.path.dirname(program))
    if done.returncode != 0:
        sys.exit(f"{program} ended with {done.returncode}:\n{done.stdout}\n{done.stderr}")
    return done.stdout


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", help="path of the zendral executable")
    parser.add_argument("--runs", type=int, default=10, help="start-up runs (default 10)")
    parser.add_argument("--platform", default="offscreen",
                        help="Qt platform (default offscreen; xcb under an X server)")
    args = parser.parse_args()
    program = os.path.abspath(args.program)

    run(program, "menu", 60, args.platform)  # warms the font and file caches
    starts = []
    for _ in range(args.runs):
        out = run(program, "menu", 60, args.platform)
        starts.append(float(re.search(r"menu painted after ([\d.]+) ms", out).group(1)))
    print(f"start to painted menu: median {statistics.median(starts):.1f} ms "
          f"(min {min(starts):.1f}, max {max(starts):.1f}, {args.runs} runs; target < 400 ms)")

    out = run(program, "kon", 300, args.platform)
    peak = int(re.search(r"VmHWM:\s+(\d+) kB", out).group(1))
    flight = re.search(r"flight: (\d+) steps in ([\d.]+) s at speed 5: (\d+) steps per second",
                       out)
    kon = re.search(r"kon played in ([\d.]+) s", out).group(1)
    print(f"peak memory after one kon: {peak / 1024:.1f} MB (target < 120 MB; kon took {kon} s)")
    print(f"card flight at speed 5: {flight.group(3)} steps per second "
          f"({flight.group(1)} steps in {flight.group(2)} s)")


if __name__ == "__main__":
    main()
