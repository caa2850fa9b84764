#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers

"""Checks that the source folders depend only downwards.

The folders, from the bottom up, are listed in LAYERS; folders of one entry
sit beside each other and use neither one another. A folder may use its own
folder or one below it, never one above or beside it. Two kinds of use are
read:

- includes: `#include "x.h"` and `#include <x.h>` of a header of the
  project (found by its name, or by its path when the include names a
  folder of LAYERS); headers of Qt, the system and other libraries are
  not the project's and are left alone;
- the CMake graph: `target_link_libraries` and `add_dependencies` from a
  target to a target of the project, and `target_include_directories`
  naming a folder of the project, each taken from the folder where the
  target is defined, parsed from the folders' CMakeLists.txt files.

Prints every use that goes upwards or sideways and exits with 1 when there
is one. The optional argument is the project's root.
"""
import os
import re
import sys

LAYERS = [
    ["automation"],
    ["engine"],
    ["services"],
    ["observer"],
    ["alarms"],
    ["calculator"],
    ["tonight"],
    ["app", "tools"],
]

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.MULTILINE)
COMMAND = re.compile(r"\b([A-Za-z_][A-Za-z0-9_]*)\s*\(")
DEFINES_TARGET = {"add_library", "add_executable", "qt_add_library", "qt_add_executable", "qt_add_plugin"}
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE", "LINK_INTERFACE_LIBRARIES",
                 "SYSTEM", "BEFORE", "AFTER"}
SOURCE_DIR_VARS = ("${PROJECT_SOURCE_DIR}/", "${CMAKE_SOURCE_DIR}/", "${noctalis_SOURCE_DIR}/")


def rank_of_folders():
    return {folder: i for i, group in enumerate(LAYERS) for folder in group}


def allowed(rank, user, used):
    """Whether folder `user` may use folder `used`: its own, or one below."""
    return used == user or rank[used] < rank[user]


def folder_files(root, folder, suffixes):
    for dirpath, dirnames, names in os.walk(os.path.join(root, folder)):
        dirnames.sort()
        for name in sorted(names):
            if name.endswith(suffixes):
                yield os.path.join(dirpath, name)


def check_includes(root, rank):
    home = {}
    for folder in rank:
        for path in folder_files(root, folder, (".h",)):
            home.setdefault(os.path.basename(path), set()).add(folder)
    found = []
    for folder in rank:
        for path in folder_files(root, folder, (".h", ".cpp")):
            with open(path, encoding="utf-8") as f:
                text = f.read()
            for header in INCLUDE.findall(text):
                first = header.split("/")[0]
                if "/" in header and first in rank:
                    targets = {first} if os.path.isfile(os.path.join(root, header)) else set()
                elif "/" in header:
                    # A path of another library (<libnova/transit.h>), unless
                    # it names a file beside the includer.
                    beside = os.path.normpath(os.path.join(os.path.dirname(path), header))
                    rel = os.path.relpath(beside, root).split(os.sep)[0]
                    targets = {rel} if os.path.isfile(beside) and rel in rank else set()
                else:
                    targets = home.get(header, set())
                # A name held by several folders is fine when one of them may
                # be used.
                if targets and not any(allowed(rank, folder, t) for t in targets):
                    where = ", ".join(sorted(t + "/" for t in targets))
                    found.append(f"{os.path.relpath(path, root)} includes {header} from {where}")
    return found


def strip_comments(text):
    """The CMake text without its line comments (outside quoted arguments)."""
    lines = []
    for line in text.splitlines():
        quoted = False
        for i, ch in enumerate(line):
            if ch == '"':
                quoted = not quoted
            elif ch == "#" and not quoted:
                line = line[:i]
                break
        lines.append(line)
    return "\n".join(lines)


def commands(text):
    """Yields (name, arguments) of every command call of a CMake text."""
    text = strip_comments(text)
    pos = 0
    while True:
        m = COMMAND.search(text, pos)
        if not m:
            return
        depth, i = 1, m.end()
        while i < len(text) and depth:
            depth += {"(": 1, ")": -1}.get(text[i], 0)
            i += 1
        args = re.findall(r'"[^"]*"|[^\s"]+', text[m.end():i - 1])
        yield m.group(1).lower(), [a.strip('"') for a in args]
        pos = i


def check_cmake(root, rank):
    calls = []
    for folder in rank:
        for path in folder_files(root, folder, ("CMakeLists.txt",)):
            with open(path, encoding="utf-8") as f:
                for name, args in commands(f.read()):
                    calls.append((folder, path, name, args))
    target_home = {}
    for folder, _, name, args in calls:
        if name in DEFINES_TARGET and args:
            target_home[args[0]] = folder
    found = []
    for _, path, name, args in calls:
        if name not in ("target_link_libraries", "add_dependencies", "target_include_directories") or not args:
            continue
        user = target_home.get(args[0])
        if user is None:
            continue
        for arg in args[1:]:
            if arg in LINK_KEYWORDS:
                continue
            if name == "target_include_directories":
                used = next((arg[len(v):].split("/")[0] for v in SOURCE_DIR_VARS if arg.startswith(v)), None)
                if used not in rank:
                    continue
            else:
                used = target_home.get(arg)
                if used is None:
                    continue
            if not allowed(rank, user, used):
                found.append(f"{os.path.relpath(path, root)}: {name}({args[0]} ... {arg}): "
                             f"{args[0]} of {user}/ uses {used}/")
    return found


def main(root):
    rank = rank_of_folders()
    problems = check_includes(root, rank) + check_cmake(root, rank)
    for line in problems:
        print(line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")))
