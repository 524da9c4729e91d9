#!/usr/bin/env python3
"""Lists every include of the core by folder and fails on one that runs back up a floor.

The core is built in floors: a folder may include its own files and those of the floors
below it, never a folder above it or beside it. The core never includes a Qt header.
"""
import pathlib
import re
import sys

FLOORS = {
    "text": 0, "app": 0,
    "model": 1,
    "units": 2,
    "view": 3,
    "files": 4,
    "dxf": 5, "reports": 5,
    "case": 6,
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def main(core: pathlib.Path) -> int:
    faults, edges = [], {}
    for path in sorted(core.rglob("*")):
        if path.suffix not in (".h", ".cpp", ".in"):
            continue
        folder = path.relative_to(core).parts[0]
        if folder not in FLOORS:
            faults.append(f"{path}: the folder '{folder}' has no floor")
            continue
        for kind, target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if kind == "<" and (target.startswith("Q") or target.startswith("qt")):
                faults.append(f"{path}: includes the Qt header <{target}>")
            if kind != '"' or "/" not in target:
                continue
            to = target.split("/")[0]
            if to not in FLOORS:
                continue
            edges[(folder, to)] = edges.get((folder, to), 0) + 1
            if to != folder and FLOORS[to] >= FLOORS[folder]:
                faults.append(f"{path}: {folder} (floor {FLOORS[folder]}) includes {target} "
                              f"({to}, floor {FLOORS[to]})")
    for (a, b), n in sorted(edges.items(), key=lambda e: (FLOORS[e[0][0]], e[0])):
        if a != b:
            print(f"{a:>8} -> {b:<8} {n}")
    for f in faults:
        print("FAULT", f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
