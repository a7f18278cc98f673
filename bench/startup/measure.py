#!/usr/bin/env python3
"""Measures the desktop program zendral against a bare Qt Widgets program, offscreen:

  * the wall time of the whole process, from its start to its exit after the first painted
    main menu (zendral, ZENDRAL_MEASURE=menu) or after the first paint of its one window
    (bench_bare_window), runs of the two interleaved, median; and the ratio;
  * the peak memory of those same runs (the kernel's maximum resident size of the child,
    that is the peak up to the painted menu), median; and the ratio;
  * the peak memory (VmHWM) after one whole kon played as a new player;
  * the time to the painted menu as the program reports it, with the settings as they are
    (sound and music on by default) on this machine (with or without a sound device; the
    script says which), and again with a service base that accepts connections and never
    answers;
  * the time the first sound adds to open the audio module, which a start does not open;
  * the card flight's steps per second at speed 5, over the flights of that kon.

The program reports on itself when ZENDRAL_MEASURE is set ("menu" or "kon"); the start time is
handed over as CLOCK_MONOTONIC nanoseconds taken just before the program is started.

    python3 bench/startup/measure.py build/bin/zendral [--bare build/bin/bench_bare_window]
                                     [--runs 10] [--platform xcb]
"""

import argparse
import os
import re
import socket
import statistics
import sys
import threading
import time


def run_measured(program, env_extra, timeout, platform):
    """As run(), and the child's own peak resident size (kB) from wait4."""
    env = dict(os.environ, QT_QPA_PLATFORM=platform, **env_extra)
    env["ZENDRAL_MEASURE_T0_NS"] = str(time.monotonic_ns())
    start = time.monotonic()
    out_path = f"/tmp/zendral-measure-{os.getpid()}.out"
    err_path = out_path + ".err"
    with open(out_path, "w") as out_file, open(err_path, "w") as err_file:
        pid = os.posix_spawn(program, [program], env, file_actions=[
            (os.POSIX_SPAWN_OPEN, 1, out_path, os.O_WRONLY | os.O_TRUNC, 0),
            (os.POSIX_SPAWN_OPEN, 2, err_path, os.O_WRONLY | os.O_TRUNC, 0)])
        deadline = start + timeout
        while True:
            done, status, usage = os.wait4(pid, os.WNOHANG)
            if done == pid:
                break
            if time.monotonic() > deadline:
                os.kill(pid, 9)
                os.wait4(pid, 0)
                sys.exit(f"{program} did not end within {timeout} s")
            time.sleep(0.001)
    wall = (time.monotonic() - start) * 1000.0
    with open(out_path) as f:
        out = f.read()
    with open(err_path) as f:
        err = f.read()
    os.unlink(out_path)
    os.unlink(err_path)
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit(f"{program} ended with {code}:\n{out}\n{err}")
    return out, err, wall, usage.ru_maxrss


class SilentServer:
    """A service base that accepts connections, reads what comes and never answers."""

    def __init__(self):
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(64)
        self.port = self.listener.getsockname()[1]
        self.held = []
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        while True:
            try:
                connection, _ = self.listener.accept()
            except OSError:
                return
            self.held.append(connection)  # held open, never answered

    def close(self):
        self.listener.close()
        for connection in self.held:
            connection.close()


def menu_ms(out):
    return float(re.search(r"menu painted after ([\d.]+) ms", out).group(1))


def spread(values, unit, digits=1):
    return (f"{statistics.median(values):.{digits}f} {unit} "
            f"(min {min(values):.{digits}f}, max {max(values):.{digits}f})")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", help="path of the zendral executable")
    parser.add_argument("--bare", help="path of bench_bare_window (default: beside the program)")
    parser.add_argument("--runs", type=int, default=10, help="runs of each (default 10)")
    parser.add_argument("--platform", default="offscreen",
                        help="Qt platform (default offscreen; xcb under an X server)")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    bare = os.path.abspath(args.bare or os.path.join(os.path.dirname(program),
                                                      "bench_bare_window"))
    menu = {"ZENDRAL_MEASURE": "menu"}

    # Warms the font and file caches.
    run_measured(program, menu, 60, args.platform)
    run_measured(bare, {}, 60, args.platform)
    walls, peaks, starts, bare_walls, bare_peaks = [], [], [], [], []
    out = ""
    for _ in range(args.runs):
        out, _, wall, peak = run_measured(program, menu, 60, args.platform)
        walls.append(wall)
        peaks.append(peak / 1024)
        starts.append(menu_ms(out))
        _, _, wall, peak = run_measured(bare, {}, 60, args.platform)
        bare_walls.append(wall)
        bare_peaks.append(peak / 1024)
    sound = re.search(r"sound: (\w+), music: (\w+)", out)
    device = "a sound device" if os.path.exists("/dev/snd") and os.listdir("/dev/snd") \
        else "no sound device"

    print(f"{args.runs} runs each, interleaved, {args.platform}, {os.cpu_count()} cores; "
          f"this machine has {device}")
    print(f"wall time, start to exit after the first paint:")
    print(f"  zendral (painted menu)   {spread(walls, 'ms')}")
    print(f"  bare Qt Widgets program  {spread(bare_walls, 'ms')}")
    print(f"  ratio                    {statistics.median(walls) / statistics.median(bare_walls):.2f} x"
          f" (target <= 1.5 x)")
    print(f"peak memory up to that exit:")
    print(f"  zendral (at the menu)    {spread(peaks, 'MB')}  (target <= 40 MB)")
    print(f"  bare Qt Widgets program  {spread(bare_peaks, 'MB')}")
    print(f"  ratio                    {statistics.median(peaks) / statistics.median(bare_peaks):.2f} x")
    print(f"start to painted menu, as the program tells: {spread(starts, 'ms')}"
          f"{f'; sound {sound.group(1)}, music {sound.group(2)}' if sound else ''}")

    server = SilentServer()
    silent = []
    for _ in range(max(3, args.runs // 2)):
        out, _, _, _ = run_measured(
            program, dict(menu, ZENDRAL_SERVICE_BASE=f"http://127.0.0.1:{server.port}"), 120,
            args.platform)
        silent.append(menu_ms(out))
    server.close()
    print(f"  ... with a service base that accepts and never answers: {spread(silent, 'ms')}")

    # What the first sound adds: the audio module opened after the painted menu.
    opened = []
    for _ in range(3):
        out, err, _, _ = run_measured(program, {"ZENDRAL_MEASURE": "audio"}, 60, args.platform)
        found = re.search(r"audio module opened in ([\d.]+) ms", out)
        if not found:
            print(f"audio module not opened: {out.strip().splitlines()[-1]}")
            break
        opened.append(float(found.group(1)))
    if opened:
        print(f"opening the audio module at the first sound: {spread(opened, 'ms')}")

    out, _, _, peak = run_measured(program, {"ZENDRAL_MEASURE": "kon"}, 300, args.platform)
    hwm = int(re.search(r"VmHWM:\s+(\d+) kB", out).group(1))
    flight = re.search(r"flight: (\d+) steps in ([\d.]+) s at speed 5: (\d+) steps per second",
                       out)
    kon = re.search(r"kon played in ([\d.]+) s", out).group(1)
    print(f"peak memory after one kon: {hwm / 1024:.1f} MB (target <= 50 MB; kon took {kon} s)")
    print(f"card flight at speed 5: {flight.group(3)} steps per second "
          f"({flight.group(1)} steps in {flight.group(2)} s)")


if __name__ == "__main__":
    main()
