#!/usr/bin/env python3
"""Holds the source tree to the shape the program is built in.

- The libraries form a one-way graph: a library includes headers of its own and
  of libraries in lower layers only (never of one beside it or above it).
- The CMake link graph has no cycle (lines "from -> to", when given).
- No source file passes 400 lines; no `catch (...)`, no `_Exit`.
Prints each violation and exits 1 when there is one.
"""
import os
import re
import sys

LAYERS = [["text"], ["rtf"], ["document"], ["desktop"], ["richtext"], ["transfer"], ["settings"],
          ["index", "faq", "news", "links"], ["shell"], ["app"]]
LEVEL = {lib: n for n, layer in enumerate(LAYERS) for lib in layer}
MAX_LINES = 400
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)


def check_sources(src):
    problems = []
    for lib in sorted(os.listdir(src)):
        folder = os.path.join(src, lib)
        if not os.path.isdir(folder):
            continue
        if lib not in LEVEL:
            problems.append(f"{lib}: a library folder outside the layers")
            continue
        for name in sorted(os.listdir(folder)):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            text = open(path, encoding="utf-8").read()
            rel = f"src/{lib}/{name}"
            lines = text.count("\n")
            if lines > MAX_LINES:
                problems.append(f"{rel}: {lines} lines, more than {MAX_LINES}")
            if re.search(r"catch\s*\(\s*\.\.\.\s*\)", text):
                problems.append(f"{rel}: catch (...)")
            if re.search(r"\b_Exit\b", text):
                problems.append(f"{rel}: _Exit")
            for used in INCLUDE.findall(text):
                if used == lib:
                    continue
                if used not in LEVEL:
                    problems.append(f"{rel}: includes from unknown library {used}")
                elif LEVEL[used] >= LEVEL[lib]:
                    problems.append(f"{rel}: includes {used}, which is not below {lib}")
    return problems


def check_link_graph(path):
    edges = {}
    for line in open(path, encoding="utf-8"):
        if "->" in line:
            a, b = (part.strip() for part in line.split("->"))
            edges.setdefault(a, set()).add(b)
    problems, state = [], {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                problems.append("link cycle: " + " -> ".join(path + [nxt]))
            elif nxt not in state:
                visit(nxt, path + [nxt])
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node, [node])
    return problems


def main():
    src = sys.argv[1]
    problems = check_sources(src)
    if len(sys.argv) > 2:
        problems += check_link_graph(sys.argv[2])
    for p in problems:
        print(p)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
