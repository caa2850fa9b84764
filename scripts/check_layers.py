#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers

"""Checks that the source folders depend only downwards.

The folders, from the bottom up, are listed in LAYERS. A file may include a
header of its own folder or of a folder below it, never of one above it.
Prints every include that goes upwards and exits with 1 when there is one.
"""
import os
import re
import sys

LAYERS = ["automation", "engine", "services", "observer", "alarms", "calculator", "app"]


def main(root):
    rank = {folder: i for i, folder in enumerate(LAYERS)}
    home = {}
    for folder in LAYERS:
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            for name in names:
                if name.endswith(".h"):
                    home[name] = folder
    upward = []
    for folder in LAYERS:
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            for name in names:
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8") as f:
                    for header in re.findall(r'#include "([^"]+)"', f.read()):
                        target = home.get(os.path.basename(header))
                        if target and rank[target] > rank[folder]:
                            upward.append(f"{os.path.relpath(path, root)} includes {header} from {target}/")
    for line in upward:
        print(line)
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")))
