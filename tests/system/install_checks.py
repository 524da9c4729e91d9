#!/usr/bin/env python3
"""Installs the build into a fresh prefix and runs the installed program from there."""
import os
import pathlib
import shutil
import subprocess
import sys


def main(build: str, prefix: str) -> int:
    root = pathlib.Path(prefix)
    shutil.rmtree(root, ignore_errors=True)
    subprocess.run(["cmake", "--install", build, "--prefix", str(root)], check=True,
                   stdout=subprocess.DEVNULL)
    data = root / "share" / "zorvane"
    expected = [root / "bin" / "zorvane", root / "bin" / "zorvane-cli", root / "lib" / "libtessaline.so.1",
                data / "zorvane_help.html", data / "tq.dotx", data / "progop.ini"]
    missing = [str(p) for p in expected if not p.exists()]
    if missing:
        print("missing after install:", *missing, sep="\n  ")
        return 1
    if any(p.name not in ("zorvane", "zorvane-cli") for p in (root / "bin").iterdir()):
        print("bin holds more than the programs:", sorted(p.name for p in (root / "bin").iterdir()))
        return 1
    env = {k: v for k, v in os.environ.items() if k != "ZORVANE_HOME"}
    env["QT_QPA_PLATFORM"] = "offscreen"
    out = subprocess.run([str(root / "bin" / "zorvane"), "--version"], env=env, check=True,
                         capture_output=True, text=True, timeout=60).stdout
    print(out, end="")
    lines = out.splitlines()
    if lines[:1] != ["Zorvane 1.0"]:
        print("unexpected version line")
        return 1
    folder = pathlib.Path(lines[1].split(": ", 1)[1]).resolve()
    if folder != data.resolve():
        print(f"the installed program uses {folder}, not {data}")
        return 1
    # The command-line tool finds Tessaline and the shipped option files there too: a DXF
    # export with the installed DXF options and no word about missing files.
    sample = pathlib.Path(__file__).resolve().parents[2] / "examples" / "indoor-scene" / "indoor-scene.zvr"
    drawing = root / "sample.dxf"
    done = subprocess.run([str(root / "bin" / "zorvane-cli"), "export-dxf", str(sample), str(drawing)],
                          env=env, capture_output=True, text=True, timeout=60)
    if done.returncode != 0 or done.stderr or not drawing.read_bytes().endswith(b"EOF\r\n"):
        print("the installed zorvane-cli:", done.returncode, done.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
