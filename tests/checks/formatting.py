#!/usr/bin/env python3
"""Fails when a C or C++ source of the tree differs from what clang-format makes of it.

The tree follows its own .clang-format; `clang-format -i` on a file mends what this reports.
"""
import pathlib
import shutil
import subprocess
import sys

FOLDERS = ("src", "tessaline", "tests", "bench", "fuzz", "examples")
SUFFIXES = (".c", ".cpp", ".h")


def main(root: pathlib.Path) -> int:
    tool = shutil.which("clang-format-14") or shutil.which("clang-format")
    if not tool:
        print("clang-format is not installed")
        return 1
    files = sorted(str(p) for folder in FOLDERS for p in (root / folder).rglob("*")
                   if p.suffix in SUFFIXES and p.is_file())
    unformatted = []
    for start in range(0, len(files), 50):
        batch = files[start:start + 50]
        run = subprocess.run([tool, "--dry-run", "--Werror", *batch], cwd=root,
                             capture_output=True, text=True)
        if run.returncode != 0:
            unformatted += sorted({line.split(":")[0] for line in run.stderr.splitlines()
                                   if ": error:" in line})
    for f in unformatted:
        print("not formatted:", pathlib.Path(f).relative_to(root))
    print(f"{len(files)} files checked, {len(unformatted)} not formatted")
    return 1 if unformatted else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1]).resolve()))
