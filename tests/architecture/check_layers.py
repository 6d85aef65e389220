#!/usr/bin/env python3
"""Holds the source tree to the shape the program is built in.

- The libraries form a one-way graph: a library includes headers of its own and
  of libraries in lower layers only (never of one beside it or above it).
- Two tiers: the logic libraries neither link Qt Widgets (nor a library of the
  user-interface tier) nor include a Qt Widgets header; only the user-interface
  libraries own widgets.
- The CMake link graph has no cycle (lines "from -> to", when given).
- One safe file writer: O_EXCL appears in one source file only.
- No source file passes 400 lines; no `catch (...)`, no `_Exit`.
Prints each violation and exits 1 when there is one.
"""
import os
import re
import sys

LOGIC_LAYERS = [["text"], ["rtf", "store"], ["document"], ["transfer"], ["settings"], ["index", "faq", "news"], ["offline"]]
INTERFACE_LAYERS = [["desktop"], ["richtext"], ["links"], ["shell"], ["app"]]
LAYERS = LOGIC_LAYERS + INTERFACE_LAYERS
LEVEL = {lib: n for n, layer in enumerate(LAYERS) for lib in layer}
LOGIC = {lib for layer in LOGIC_LAYERS for lib in layer}
MAX_LINES = 400
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)
SYSTEM_INCLUDE = re.compile(r'^\s*#\s*include\s+<([^>]+)>', re.M)


def check_sources(src, widget_headers=frozenset()):
    problems = []
    exclusive = []
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
            if re.search(r"\bO_EXCL\b", text):
                exclusive.append(rel)
            if lib in LOGIC:
                for header in SYSTEM_INCLUDE.findall(text):
                    if header.startswith("QtWidgets/") or header in widget_headers:
                        problems.append(f"{rel}: includes the widget header <{header}> in a logic library")
            for used in INCLUDE.findall(text):
                if used == lib:
                    continue
                if used not in LEVEL:
                    problems.append(f"{rel}: includes from unknown library {used}")
                elif LEVEL[used] >= LEVEL[lib]:
                    problems.append(f"{rel}: includes {used}, which is not below {lib}")
    if len(exclusive) > 1:
        problems.append("O_EXCL in more than one source file (one safe file writer): " + ", ".join(exclusive))
    return problems


def check_link_graph(path):
    edges = {}
    for line in open(path, encoding="utf-8"):
        if "->" in line:
            a, b = (part.strip() for part in line.split("->"))
            edges.setdefault(a, set()).add(b)
    problems, state = [], {}
    for node, targets in sorted(edges.items()):
        lib = node.removeprefix("veldra_")
        if lib not in LOGIC:
            continue
        for target in sorted(targets):
            used = target.removeprefix("veldra_")
            if target == "Qt6::Widgets":
                problems.append(f"{node}: a logic library links Qt Widgets")
            elif target.startswith("veldra_") and used not in LOGIC:
                problems.append(f"{node}: a logic library links {target} of the user-interface tier")

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
    widget_headers = frozenset()
    if len(sys.argv) > 3 and os.path.isdir(sys.argv[3]):
        widget_headers = frozenset(name for name in os.listdir(sys.argv[3]) if name.startswith("Q"))
    problems = check_sources(src, widget_headers)
    if len(sys.argv) > 2:
        problems += check_link_graph(sys.argv[2])
    for p in problems:
        print(p)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
