#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers

"""Start-up of the clock beside a one-label Qt program, timed.

Each program runs with NOCTALIS_EXIT_AFTER_FIRST_PAINT set, so it ends by
itself right after its window's first paint reached the display (without
shutting down); the wall time from starting the process to its end is then
its start-up. Both run under the same X server, with the same fresh, empty
home, configuration and data folders (so the clock starts with its defaults
and no alarm file, and never touches the user's files), in turn: label,
clock, label, clock, ... after one warm-up run of each, and the script
prints the median of each and the median of the ratios of each pair, which
holds when the machine's speed drifts during the runs.

The X server is a private Xvfb (started and ended by the script) unless
--display names one. Needs Xvfb (Debian package xvfb).

Usage:
  bench/startup/time_startup.py [--runs N] [--display :D] BIN_DIR
where BIN_DIR holds noctalis and labelclock (build/default/bin).
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def start_xvfb():
    """A private Xvfb; returns the process and its display name."""
    read_fd, write_fd = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        sys.exit("Xvfb did not start")
    return server, ":" + number


def run_once(program, env):
    """Seconds from starting program to its end, which must be a clean one."""
    start = time.perf_counter()
    done = subprocess.run([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=60)
    elapsed = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit(f"{program} ended with {done.returncode}")
    return elapsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bindir")
    parser.add_argument("--runs", type=int, default=21, help="counted runs of each program")
    parser.add_argument("--display", help="an X display to use instead of a private Xvfb")
    args = parser.parse_args()
    clock = os.path.join(args.bindir, "noctalis")
    label = os.path.join(args.bindir, "labelclock")

    server = None
    display = args.display
    if display is None:
        server, display = start_xvfb()
    try:
        with tempfile.TemporaryDirectory(prefix="noctalis-startup-") as home:
            env = {key: value for key, value in os.environ.items()
                   if key not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS")}
            env.update({
                "DISPLAY": display,
                "QT_QPA_PLATFORM": "xcb",
                "HOME": home,
                "XDG_CONFIG_HOME": os.path.join(home, "config"),
                "XDG_DATA_HOME": os.path.join(home, "data"),
                "XDG_CACHE_HOME": os.path.join(home, "cache"),
                "XDG_RUNTIME_DIR": home,
                "NOCTALIS_EXIT_AFTER_FIRST_PAINT": "1",
            })
            run_once(label, env)  # warm-up: libraries and fonts into the page cache
            run_once(clock, env)
            labels, clocks = [], []
            for _ in range(args.runs):
                labels.append(run_once(label, env))
                clocks.append(run_once(clock, env))
    finally:
        if server is not None:
            server.terminate()
            server.wait()

    ratios = [c / l for c, l in zip(clocks, labels)]
    print(f"label program  median {1000 * statistics.median(labels):7.1f} ms"
          f"  (min {1000 * min(labels):.1f}, max {1000 * max(labels):.1f})")
    print(f"clock          median {1000 * statistics.median(clocks):7.1f} ms"
          f"  (min {1000 * min(clocks):.1f}, max {1000 * max(clocks):.1f})")
    print(f"clock / label  median {statistics.median(ratios):7.2f}  over {args.runs} pairs")


if __name__ == "__main__":
    main()
