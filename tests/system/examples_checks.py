#!/usr/bin/env python3
"""Makes the example cases again and every file the suite derives from them, and compares each
byte for byte with the copy stored in examples/. With --update the stored copies are replaced
(after a deliberate change of the generator, the exports or the exhibit).

Usage: examples_checks.py MAKE_EXAMPLES ZORVANE_CLI EXAMPLES_FOLDER WORK_FOLDER [--update]
"""
import filecmp
import os
import pathlib
import shutil
import subprocess
import sys

# Every PDF records when it was made; the examples are all made at this moment.
SOURCE_DATE_EPOCH = "1735689600"  # 2025-01-01 00:00 UTC

# Per example: the coordinate export kind, its file's extension and the exhibit's options.
EXAMPLES = {
    "junction-collision": ("xyz", "zvx", ["--scale", "1:200", "--paper", "A3", "--orientation", "landscape"]),
    "indoor-scene": ("nesw", "zvn", ["--scale", "1:30", "--paper", "A4", "--orientation", "landscape"]),
}


def cli(tool, *args, home):
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    env.update(LANG="C", LC_ALL="C", SOURCE_DATE_EPOCH=SOURCE_DATE_EPOCH, ZORVANE_HOME=str(home))
    args = [str(a) for a in args]
    done = subprocess.run([tool, *args], env=env, capture_output=True, text=True, timeout=300)
    if done.returncode != 0 or done.stderr:
        raise RuntimeError(f"zorvane-cli {' '.join(args)}: status {done.returncode}\n{done.stderr}")


def derive(tool, folder, name, home):
    kind, ext, exhibit = EXAMPLES[name]
    case = folder / f"{name}.zvr"
    options = folder / "options"
    cli(tool, "export-dxf", case, folder / f"{name}.dxf", "--options", options / "qkrdxfop.ini", home=home)
    cli(tool, "export-coords", kind, case, folder / f"{name}.{ext}", "--options", options / "qkrxyzop.ini",
        home=home)
    cli(tool, "render", case, folder / f"{name}.pdf", "--program-options", options / "progop.ini", *exhibit,
        home=home)


def main(make, tool, stored_root, work, update=False):
    stored_root, work = pathlib.Path(stored_root), pathlib.Path(work)
    shutil.rmtree(work, ignore_errors=True)
    home = work / "home"
    home.mkdir(parents=True)
    subprocess.run([make, work / "made"], check=True, timeout=120)
    failures = []
    for name in EXAMPLES:
        made = work / "made" / name
        derive(tool, made, name, home)
        stored = stored_root / name
        files = sorted(p.relative_to(made) for p in made.rglob("*") if p.is_file())
        if update:
            shutil.rmtree(stored, ignore_errors=True)
            shutil.copytree(made, stored)
            print("updated", stored)
            continue
        stored_files = sorted(p.relative_to(stored) for p in stored.rglob("*") if p.is_file())
        if stored_files != files:
            failures.append(f"{name}: stored files {[str(f) for f in stored_files]}, made {[str(f) for f in files]}")
        for f in files:
            if not (stored / f).is_file() or not filecmp.cmp(made / f, stored / f, shallow=False):
                failures.append(f"{name}/{f} differs from the stored copy")
    for f in failures:
        print(f)
    if failures:
        print("If the change is deliberate: examples_checks.py ... --update")
    return 1 if failures else 0


if __name__ == "__main__":
    update = "--update" in sys.argv
    args = [a for a in sys.argv[1:] if a != "--update"]
    sys.exit(main(*args, update=update))
