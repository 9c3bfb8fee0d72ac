#!/usr/bin/env python3
"""Checks the floors of the core library: a file of tremora_core includes only core files of its
own floor or below, never a window file (one that is not in tremora_core) and never Qt, and no two
core folders include each other, directly or round about.

usage: check_layering.py SOURCE_FOLDER   (the src/ folder of the project)

The core files are read from the target_sources(tremora_core ...) lists of the CMake files; a
header belongs where its .cpp belongs, and a header or .inl with no .cpp that no list names is
core. Every violation is printed as "file: includes X: why"; the exit status is 1 when there is
one.
"""

import os
import re
import sys

# Bottom up; a folder not named here is on the floor of its first path part (app/cli on app).
FLOORS = ["base", "numerics", "platform", "record", "wave", "spectrum", "graph", "analysis", "app"]

SOURCE_ENDINGS = (".cpp", ".h", ".inl")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
TARGET_SOURCES = re.compile(r"target_sources\(\s*(\w+)\s+PRIVATE\b(.*?)\)", re.S)


def listed_sources(src):
    """{target: set of paths relative to src} from the target_sources lists under src."""
    listed = {}
    for folder, _, names in os.walk(src):
        if "CMakeLists.txt" not in names:
            continue
        with open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8") as cmake:
            text = re.sub(r"#.*", "", cmake.read())
        for target, body in TARGET_SOURCES.findall(text):
            for name in body.split():
                path = os.path.normpath(os.path.relpath(os.path.join(folder, name), src))
                listed.setdefault(target, set()).add(path)
    return listed


def core_files(src):
    listed = listed_sources(src)
    core = listed.get("tremora_core", set())
    elsewhere = set().union(*(paths for target, paths in listed.items() if target != "tremora_core"))
    result = set()
    for folder, _, names in os.walk(src):
        for name in names:
            if not name.endswith(SOURCE_ENDINGS):
                continue
            path = os.path.relpath(os.path.join(folder, name), src)
            stem = os.path.splitext(path)[0]
            if path in core:
                result.add(path)
            elif path.endswith((".h", ".inl")) and path not in elsewhere:
                partner = stem + ".cpp"
                if partner in core or not os.path.exists(os.path.join(src, partner)):
                    result.add(path)
    return result


def floor_of(path):
    folder = os.path.dirname(path)
    top = folder.split(os.sep)[0]
    return FLOORS.index(top) if top in FLOORS else None


def tangles(edges):
    """The groups of folders that reach each other through includes (strongly connected, two or
    more folders), each sorted."""
    index, low, on_stack, stack, groups = {}, {}, set(), [], []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in edges.get(node, ()):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return sorted(groups)


def main():
    if len(sys.argv) != 2:
        print("usage: check_layering.py SOURCE_FOLDER", file=sys.stderr)
        return 2
    src = os.path.abspath(sys.argv[1])
    core = core_files(src)
    problems = []
    edges = {}
    for path in sorted(core):
        floor = floor_of(path)
        shown = os.path.join("src", path)
        if floor is None:
            problems.append(f"{shown}: lies in no floor (folders bottom up: {', '.join(FLOORS)})")
            continue
        with open(os.path.join(src, path), encoding="utf-8") as source:
            text = source.read()
        for bracket, name in INCLUDE.findall(text):
            if bracket == "<":
                if re.match(r"Q[A-Za-z]|qt", name.split("/")[0]):
                    problems.append(f"{shown}: includes <{name}>: Qt, in a core file")
                continue
            target = os.path.normpath(name)
            if not os.path.exists(os.path.join(src, target)):
                target = os.path.normpath(os.path.join(os.path.dirname(path), name))
            if not os.path.exists(os.path.join(src, target)):
                continue  # not a file of the program (a test's or a system header)
            if target not in core:
                problems.append(f'{shown}: includes "{name}": a window file, not in tremora_core')
                continue
            target_floor = floor_of(target)
            if target_floor is not None and target_floor > floor:
                problems.append(f'{shown}: includes "{name}": floor {FLOORS[target_floor]} lies above '
                                f"{FLOORS[floor]}")
            here, there = os.path.dirname(path), os.path.dirname(target)
            if here != there:
                edges.setdefault(here, {}).setdefault(there, f'{shown} includes "{name}"')
    for group in tangles(edges):
        links = [edges[a][b] for a in group for b in group if b in edges.get(a, {})]
        problems.append(f"core folders {', '.join(group)} include each other: " + "; ".join(links))
    for problem in problems:
        print(problem)
    if not problems:
        folders = len({os.path.dirname(path) for path in core})
        print(f"{len(core)} core files in {folders} folders: every include stays on its floor or below")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
