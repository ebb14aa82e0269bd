#!/usr/bin/env python3
"""Fails on any include that goes against the layer order of src/:

    base <- {time, image} <- skin <- ui <- app
                             skin <- skin_check

A file may include its own layer and the layers below it; time and image sit side by
side and do not include each other. skin_check, the skin checker, stands on skin beside
ui: only the tools use it, so no layer includes it, ui and app no more than the rest
(the clock shows skins, it does not check them). tests/<layer>/ holds to the rule of
its layer.
tests/support/ is shared by the tests of every layer: its files are not ranked
themselves, but a test that includes one must be allowed every layer that the support
file (with the support files it includes) uses. tests/gui/, tests/tools/, tests/packaging/,
tools/ and bench/ are programs on top of everything and are not checked.

Usage: layer_order.py ROOT   (the source tree; exits 1 and lists every wrong include)
"""
import os
import re
import sys

LAYERS = ["base", "time", "image", "skin", "ui", "app", "skin_check"]
MAY_USE = {
    "base": [],
    "time": ["base"],
    "image": ["base"],
    "skin": ["base", "time", "image"],
    "ui": ["base", "time", "image", "skin"],
    "app": ["base", "time", "image", "skin", "ui"],
    "skin_check": ["base", "time", "image", "skin"],
}
# The layer that only the tools (programs on top) may use.
TOOLS_ONLY = "skin_check"
SUPPORT = "support"
PROGRAMS_ON_TOP = ["gui", "tools", "packaging"]
SOURCE_SUFFIXES = (".h", ".cpp")

INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)')


def rule(layer):
    lower = MAY_USE[layer]
    if not lower:
        return f"{layer}/ may use no other layer"
    return f"{layer}/ may use " + ", ".join(f"{name}/" for name in lower)


def includes(path):
    """(line number, text of the line, included path, its first folder) of each include."""
    found = []
    with open(path, encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quoted, angled = match.groups()
            target = quoted or angled
            if target.startswith("."):
                # Relative to the including file: what counts is where it lands.
                landed = os.path.normpath(os.path.join(os.path.dirname(path), target))
                target = os.path.relpath(landed, os.path.dirname(os.path.dirname(path)))
            folder = target.split("/")[0] if "/" in target else None
            if angled and folder not in LAYERS + [SUPPORT]:
                continue  # a system or library header
            found.append((number, line.strip(), target, folder))
    return found


def source_files(folder):
    for directory, subfolders, files in os.walk(folder):
        subfolders.sort()
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.join(directory, name)


def support_needs(tests):
    """For each support header and source, the layers it uses, through other support files too."""
    direct = {}
    for path in source_files(os.path.join(tests, SUPPORT)):
        direct[os.path.relpath(path, tests)] = [(target, folder) for _, _, target, folder in includes(path)]
    needs = {}

    def resolve(name, seen):
        if name in needs:
            return needs[name]
        layers = set()
        for target, folder in direct.get(name, ()):
            if folder in LAYERS:
                layers.add(folder)
            elif folder == SUPPORT and target not in seen:
                layers |= resolve(target, seen | {target})
        needs[name] = layers
        return layers

    for name in direct:
        resolve(name, {name})
    return needs


def check_file(path, layer, root, needs, problems):
    shown = os.path.relpath(path, root)
    for number, line, target, folder in includes(path):
        if folder is None or folder == layer:
            continue
        where = f"{shown}:{number}: {line}"
        if folder == SUPPORT and needs is not None:
            for used in sorted(needs.get(target, ())):
                if used != layer and used not in MAY_USE[layer]:
                    problems.append(f"{where}: that support file uses {used}/; {rule(layer)}")
        elif folder not in LAYERS:
            problems.append(f"{where}: {folder}/ is no layer; {rule(layer)}")
        elif folder == TOOLS_ONLY:
            problems.append(f"{where}: {rule(layer)}; {TOOLS_ONLY}/ is for the tools alone, "
                            "the clock does not check skins")
        elif folder not in MAY_USE[layer]:
            problems.append(f"{where}: {rule(layer)}")


def check_tree(root):
    problems = []
    src = os.path.join(root, "src")
    for folder in sorted(os.listdir(src)):
        if not os.path.isdir(os.path.join(src, folder)):
            continue
        if folder not in LAYERS:
            problems.append(f"src/{folder}/: not a layer of the order (" + ", ".join(LAYERS) + ")")
            continue
        for path in source_files(os.path.join(src, folder)):
            check_file(path, folder, root, None, problems)

    tests = os.path.join(root, "tests")
    if not os.path.isdir(tests):
        return problems
    needs = support_needs(tests)
    for folder in sorted(os.listdir(tests)):
        if folder in LAYERS:
            for path in source_files(os.path.join(tests, folder)):
                check_file(path, folder, root, needs, problems)
        elif os.path.isdir(os.path.join(tests, folder)) and folder not in PROGRAMS_ON_TOP + [SUPPORT]:
            problems.append(f"tests/{folder}/: neither a layer's tests, {SUPPORT}/ nor a program on top")
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    problems = check_tree(argv[1])
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) against the layer order: "
              "move the code to the layer it belongs to, or pass what it needs from above")
        return 1
    print("every include follows the layer order")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
