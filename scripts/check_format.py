#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
"""Checks that the C++ sources keep the layout of the project's .clang-format.

Sources are the .h and .cpp files git tracks (every such file below ROOT
without git), outside build folders and third-party folders. Each is run
through clang-format in dry-run mode; the files it would change are listed
and the exit status is 1 when there is one. Without clang-format the check
is skipped (exit status 77, which ctest reports as skipped).

To bring a file into line: clang-format -i FILE.

Usage: check_format.py [--clang-format PROGRAM] [ROOT]
"""
import argparse
import os
import shutil
import subprocess
import sys

SUFFIXES = (".h", ".cpp")
SKIPPED_DIRS = {"build", "third_party", "thirdparty", "3rdparty", "vendor", "external", "extern"}
BATCH = 64  # files per clang-format run


def sources(root):
    try:
        out = subprocess.run(["git", "-C", root, "ls-files", "-z"], check=True,
                             capture_output=True).stdout.decode()
        names = [f for f in out.split("\0") if f]
    except (OSError, subprocess.CalledProcessError):
        names = []
        for dirpath, dirnames, files in os.walk(root):
            dirnames[:] = [d for d in dirnames if not d.startswith(".") and d not in SKIPPED_DIRS]
            names += [os.path.relpath(os.path.join(dirpath, n), root) for n in files]
    return sorted(n for n in names
                  if n.endswith(SUFFIXES) and not SKIPPED_DIRS.intersection(n.split("/")[:-1]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--clang-format", default="clang-format")
    parser.add_argument("root", nargs="?", default=os.path.join(os.path.dirname(__file__), ".."))
    args = parser.parse_args()
    program = shutil.which(args.clang_format)
    if not program:
        print(f"{args.clang_format} not found: format check skipped")
        return 77
    root = os.path.abspath(args.root)
    files = sources(root)
    unformatted = []
    for i in range(0, len(files), BATCH):
        batch = files[i:i + BATCH]
        run = subprocess.run([program, "--dry-run", "--Werror", *batch], cwd=root,
                             capture_output=True, text=True)
        if run.returncode == 0:
            continue
        # Name the files the warnings are about ("path:line:col: error: ...").
        for line in run.stderr.splitlines():
            name = line.split(":", 1)[0]
            if name in batch and name not in unformatted:
                unformatted.append(name)
        if not unformatted:
            sys.stderr.write(run.stderr)
            return 1
    for name in unformatted:
        print(f"not formatted: {name}")
    print(f"{len(files)} files checked, {len(unformatted)} not formatted")
    return 1 if unformatted else 0


if __name__ == "__main__":
    sys.exit(main())
