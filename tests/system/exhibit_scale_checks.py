#!/usr/bin/env python3
"""Exhibits to scale: a case of three points is imported and drawn as PDF and SVG exhibits at
several scales and papers; the positions of the point numbers are read back from the files
(pdftotext -bbox, the SVG's coordinates) and every distance between two of them must be the
world distance divided by the scale, within 0.1 mm. The plan must be centred on the view, its
texts must be text and nothing may be a picture.

Usage: exhibit_scale_checks.py ZORVANE_CLI WORK_FOLDER
"""
import itertools
import math
import os
import pathlib
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

POINTS = {"701": (12.345, -3.21), "702": (47.891, 18.07), "703": (30.0, 5.0)}  # metres
PT_MM = 25.4 / 72
PAPERS_MM = {"A4": (210, 297), "A3": (297, 420), "Letter": (215.9, 279.4)}
EXHIBITS = [  # file, scale, paper, orientation
    ("a.pdf", 250, "A4", "landscape"),
    ("b.pdf", 500, "A4", "portrait"),
    ("c.pdf", 200, "A3", "landscape"),
    ("d.svg", 250, "A4", "landscape"),
    ("e.svg", 300, "Letter", "portrait"),
]
TOLERANCE_MM = 0.1
FRAME_MARGIN_MM, TITLE_BLOCK_MM = 10, 30


def run(*args, **kw):
    env = {k: v for k, v in os.environ.items() if k != "ZORVANE_HOME"}
    env.update(LC_ALL="C", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([str(a) for a in args], env=env, check=True, capture_output=True, text=True,
                          timeout=120, **kw)


def pdf_words(pdf):
    """Each word's top-left corner in mm, and the page size in mm."""
    out = run("pdftotext", "-bbox", pdf, "-").stdout
    page = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', out)
    words = {}
    for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>', out):
        words.setdefault(m.group(3), (float(m.group(1)) * PT_MM, float(m.group(2)) * PT_MM))
    return words, (float(page.group(1)) * PT_MM, float(page.group(2)) * PT_MM)


def svg_texts(svg):
    """Each text's anchor in mm, through the transform of its group, and the sheet size in mm."""
    root = ET.parse(svg).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    width_mm, height_mm = (float(root.get(k).rstrip("m")) for k in ("width", "height"))
    box = [float(v) for v in root.get("viewBox").split()]
    mm = width_mm / box[2]
    texts = {}
    for group in root.iter(ns + "g"):
        matrix = [float(v) for v in re.findall(r"[-\d.e]+", group.get("transform", "matrix(1,0,0,1,0,0)"))]
        a, b, c, d, e, f = matrix
        for t in group.findall(ns + "text"):
            x, y = float(t.get("x")), float(t.get("y"))
            texts.setdefault((t.text or "").strip(), ((a * x + c * y + e) * mm, (b * x + d * y + f) * mm))
    return texts, (width_mm, height_mm), root


def check(name, found, scale, page, paper, orientation, failures):
    w, h = PAPERS_MM[paper]
    expected_page = (h, w) if orientation == "landscape" else (w, h)
    if any(abs(p - q) > 0.5 for p, q in zip(page, expected_page)):
        failures.append(f"{name}: page {page} mm, not {paper} {orientation} {expected_page}")
    for p, q in itertools.combinations(POINTS, 2):
        if p not in found or q not in found:
            failures.append(f"{name}: point {p} or {q} is not on the sheet")
            continue
        world = math.dist(POINTS[p], POINTS[q]) * 1000 / scale
        paper_mm = math.dist(found[p], found[q])
        print(f"{name} 1:{scale} {p}-{q}: {paper_mm:.4f} mm on paper, {world:.4f} mm expected")
        if abs(paper_mm - world) > TOLERANCE_MM:
            failures.append(f"{name}: {p}-{q} is {paper_mm:.4f} mm, not {world:.4f} mm")
    # The view's centre (that of Zoom All: the middle of the points) at the frame's centre;
    # a label starts 0.4 mm right of its point.
    frame_centre = (page[0] / 2, (FRAME_MARGIN_MM + page[1] - FRAME_MARGIN_MM - TITLE_BLOCK_MM) / 2)
    xs, ys = [v[0] for v in POINTS.values()], [v[1] for v in POINTS.values()]
    cx, cy = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
    x701 = frame_centre[0] + (POINTS["701"][0] - cx) * 1000 / scale + 0.4
    if "701" in found and abs(found["701"][0] - x701) > 0.5:
        failures.append(f"{name}: point 701 at x {found['701'][0]:.2f} mm, not {x701:.2f} mm: not centred")


def main(tool, work):
    work = pathlib.Path(work)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    (work / "points.txt").write_text("".join(f"{n},{x},{y},0,Mark {n}\r\n" for n, (x, y) in POINTS.items()))
    run(tool, "import-coords", "xyz", work / "points.txt", work / "case.zvr")
    failures = []
    for file, scale, paper, orientation in EXHIBITS:
        out = work / file
        run(tool, "render", work / "case.zvr", out, "--scale", f"1:{scale}", "--paper", paper,
            "--orientation", orientation)
        if file.endswith(".pdf"):
            found, page = pdf_words(out)
            for phrase in (f"Scale 1:{scale}", f"Paper: {paper} {orientation}", "Meter", "Case:"):
                if not all(word in found for word in phrase.split()):
                    failures.append(f"{file}: '{phrase}' is not text in the PDF")
            images = run("pdfimages", "-list", out).stdout.splitlines()[2:]
            if images:
                failures.append(f"{file}: holds pictures: {images}")
        else:
            found, page, root = svg_texts(out)
            if root.find(".//{http://www.w3.org/2000/svg}image") is not None:
                failures.append(f"{file}: holds a picture")
            if f"Scale 1:{scale}" not in found:
                failures.append(f"{file}: the scale is not text in the SVG")
        check(file, found, scale, page, paper, orientation, failures)
    for f in failures:
        print("FAIL", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
