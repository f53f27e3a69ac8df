#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Finds include circles among the windows' files: a header and its source are one file here, and
# a circle is a file that reaches itself through the "ui/..." includes of the files it includes.
# Also keeps the windows' folder itself nearly empty: its files live in the folders by role.
"""Usage: ui_include_circles.py <the ui folder> [<its name in includes>, "ui" by default]"""

import pathlib
import re
import sys

# What may lie at the top of the windows' folder beside the folders by role.
TOP_FILES = {"CMakeLists.txt", "README.md"}


def includes(root: pathlib.Path, prefix: str) -> dict[str, set[str]]:
    """Each file (its path under root without the extension) and the files it includes."""
    pattern = re.compile(r'^\s*#\s*include\s+"' + re.escape(prefix) + r'/([^"]+)\.(?:h|cpp)"', re.M)
    graph: dict[str, set[str]] = {}
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        unit = path.relative_to(root).with_suffix("").as_posix()
        found = graph.setdefault(unit, set())
        for target in pattern.findall(path.read_text(encoding="utf-8")):
            if target != unit:
                found.add(target)
    return graph


def circles(graph: dict[str, set[str]]) -> list[list[str]]:
    """The strongly connected parts of more than one file (Tarjan's algorithm), each sorted."""
    index: dict[str, int] = {}
    low: dict[str, int] = {}
    stack: list[str] = []
    on_stack: set[str] = set()
    found: list[list[str]] = []

    def visit(unit: str) -> None:
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for target in sorted(graph.get(unit, ())):
            if target not in index:
                visit(target)
                low[unit] = min(low[unit], low[target])
            elif target in on_stack:
                low[unit] = min(low[unit], index[target])
        if low[unit] == index[unit]:
            part = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                part.append(member)
                if member == unit:
                    break
            if len(part) > 1:
                found.append(sorted(part))

    sys.setrecursionlimit(10000)
    for unit in sorted(graph):
        if unit not in index:
            visit(unit)
    return found


def main() -> int:
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    root = pathlib.Path(sys.argv[1])
    prefix = sys.argv[2] if len(sys.argv) == 3 else "ui"
    problems = []
    for part in circles(includes(root, prefix)):
        problems.append("include circle: " + " -> ".join(part))
    for path in sorted(root.iterdir()):
        if path.is_file() and path.name not in TOP_FILES:
            problems.append(f"a file at the top of {root}: {path.name}")
    for problem in problems:
        print(problem)
    if not problems:
        print(f"{root}: no include circle, nothing at the top but {', '.join(sorted(TOP_FILES))}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
