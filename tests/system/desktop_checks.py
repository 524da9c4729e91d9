#!/usr/bin/env python3
"""Installs the build into a fresh prefix and asks the desktop's own tools what they make of a
case file: its type by name (*.zvr) and by content (a copy without extension), its icon, and the
application that opens it.

Usage: desktop_checks.py BUILD_FOLDER PREFIX SAMPLE.zvr
"""
import configparser
import os
import pathlib
import shutil
import subprocess
import sys

CASE_TYPE = "application/x-zorvane-case"


def main(build, prefix, sample):
    root = pathlib.Path(prefix)
    shutil.rmtree(root, ignore_errors=True)
    subprocess.run(["cmake", "--install", build, "--prefix", str(root)], check=True, capture_output=True)
    share = root / "share"
    failures = []
    for path in ["applications/zorvane.desktop", "mime/packages/zorvane.xml", "mime/mime.cache",
                 "applications/mimeinfo.cache", "icons/hicolor/scalable/apps/zorvane.svg",
                 f"icons/hicolor/scalable/mimetypes/{CASE_TYPE.replace('/', '-')}.svg"]:
        if not (share / path).is_file():
            failures.append(f"not installed (or not registered): share/{path}")
    if failures:
        print(*failures, sep="\n")
        return 1

    entry = share / "applications" / "zorvane.desktop"
    checked = subprocess.run(["desktop-file-validate", str(entry)], capture_output=True, text=True)
    if checked.returncode != 0 or checked.stdout.strip():
        failures.append(f"desktop-file-validate: {checked.stdout}{checked.stderr}")
    desktop = configparser.ConfigParser(interpolation=None)
    desktop.optionxform = str
    desktop.read(entry)
    fields = desktop["Desktop Entry"]
    if fields.get("Exec") != "zorvane %f" or not (root / "bin" / "zorvane").is_file():
        failures.append(f"Exec={fields.get('Exec')} does not start the installed program with the file")
    if CASE_TYPE not in fields.get("MimeType", "").split(";"):
        failures.append(f"the entry does not open {CASE_TYPE}")

    # A user whose desktop knows the prefix, with nothing of their own configured.
    user = root / "user"
    for d in ("home", "data", "config"):
        (user / d).mkdir(parents=True)
    env = dict(os.environ, HOME=str(user / "home"), XDG_DATA_HOME=str(user / "data"),
               XDG_CONFIG_HOME=str(user / "config"), XDG_DATA_DIRS=f"{share}:/usr/share",
               PATH=f"{root / 'bin'}:{os.environ.get('PATH', '/usr/bin:/bin')}")
    files = user / "files"
    files.mkdir()
    shutil.copy(sample, files / "site.zvr")
    shutil.copy(sample, files / "evidence-17")  # found by its first bytes alone
    (files / "notes").write_text("not a case\n")

    def ask(*args, **extra):
        return subprocess.run(args, env=dict(env, **extra), capture_output=True, text=True, timeout=60).stdout

    def content_type(path):
        for line in ask("gio", "info", "-a", "standard::content-type", str(path)).splitlines():
            if "standard::content-type:" in line:
                return line.split("standard::content-type:", 1)[1].strip()
        return None

    for name, expected in (("site.zvr", CASE_TYPE), ("evidence-17", CASE_TYPE), ("notes", "text/plain")):
        found = content_type(files / name)
        print(f"{name}: {found}")
        if found != expected:
            failures.append(f"{name} is {found}, not {expected}")
    found = ask("xdg-mime", "query", "filetype", str(files / "evidence-17"), XDG_CURRENT_DESKTOP="GNOME").strip()
    if found != CASE_TYPE:
        failures.append(f"xdg-mime query filetype: {found}")
    icon = ask("gio", "info", "-a", "standard::icon", str(files / "site.zvr"))
    if "application-x-zorvane-case" not in icon:
        failures.append(f"the case file's icon: {icon}")
    for tool in (["xdg-mime", "query", "default", CASE_TYPE], ["gio", "mime", CASE_TYPE]):
        said = ask(*tool)
        print(" ".join(tool), "->", said.strip().replace("\n", " | "))
        if "zorvane.desktop" not in said:
            failures.append(f"{' '.join(tool)} does not name zorvane.desktop: {said}")
    print(*failures, sep="\n")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
