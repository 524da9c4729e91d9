#!/usr/bin/python3
"""Reads back the LibreOffice Writer reports a real office made.

    odt_report_checks.py <sample program> <template> <work folder>
    odt_report_checks.py template <generator script> <shipped template> <work folder>

Runs the sample program (one headless office of its own makes the report of each mode and
stores it as .odt and .pdf, and writes what each must hold), then checks every document:
the case cells by their Writer names, the table "tb5" with the grid's rows (titles first, the
empty row last) and its 5 or 7 columns, exactly one embedded picture anchored as a character
in a paragraph before the table (so it cannot lie over it), and, in the PDF's text, the case
name, the titles and every point number. The second form checks that the shipped template is
what its generator writes today.
"""
import json
import re
import shutil
import subprocess
import sys
import zipfile
import xml.etree.ElementTree as ET
from pathlib import Path

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "draw": "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0",
    "xlink": "http://www.w3.org/1999/xlink",
}


def q(name):
    prefix, local = name.split(":")
    return f"{{{NS[prefix]}}}{local}"


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def check_template(generator, shipped, work):
    work.mkdir(parents=True, exist_ok=True)
    fresh = work / "tq.ott"
    subprocess.run(["/usr/bin/python3", generator, str(fresh)], check=True, capture_output=True)
    with zipfile.ZipFile(shipped) as a, zipfile.ZipFile(fresh) as b:
        parts = lambda z: [(n, z.read(n)) for n in z.namelist()]
        if parts(a) != parts(b):
            fail(f"{shipped} is not what {generator} writes: run it again and commit the result")
    print(f"{Path(shipped).name} is up to date")


def paragraph_text(p):
    """The text of a paragraph as the office shows it."""
    out = [p.text or ""]
    for child in p:
        if child.tag == q("text:s"):
            out.append(" " * int(child.get(q("text:c"), "1")))
        elif child.tag == q("text:tab"):
            out.append("\t")
        elif child.tag == q("text:line-break"):
            out.append("\n")
        else:
            out.append(paragraph_text(child))
        out.append(child.tail or "")
    return "".join(out)


def cell_text(cell):
    return "\n".join(paragraph_text(p) for p in cell.iter() if p.tag in (q("text:p"), q("text:h")))


def column_letters(index):
    letters = ""
    index += 1
    while index:
        index, rest = divmod(index - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return letters


def table_rows(table):
    """Rows of cells (covered cells included, as Writer counts columns)."""
    rows = []
    for row in table.iter(q("table:table-row")):
        cells = []
        for cell in row:
            if cell.tag in (q("table:table-cell"), q("table:covered-table-cell")):
                repeat = int(cell.get(q("table:number-columns-repeated"), "1"))
                cells.extend([cell] * repeat)
        rows.append(cells)
    return rows


def column_count(table):
    return sum(int(c.get(q("table:number-columns-repeated"), "1"))
               for c in table.iter(q("table:table-column")))


def check_document(odt, want, mode):
    with zipfile.ZipFile(odt) as z:
        if z.read("mimetype").decode() != "application/vnd.oasis.opendocument.text":
            fail(f"{odt.name} is not an OpenDocument text")
        content = ET.fromstring(z.read("content.xml"))
        names = set(z.namelist())
    body = content.find("office:body/office:text", NS)
    tables = body.findall(".//table:table", NS)
    if len(tables) != 2:
        fail(f"{mode}: {len(tables)} tables instead of the case table and tb5")

    case_rows = table_rows(tables[0])
    for name, text in want["cells"].items():
        column = ord(name[0]) - ord("A")
        row = int(name[1:]) - 1
        got = cell_text(case_rows[row][column])
        if got != text:
            fail(f"{mode}: cell {name} holds {got!r}, not {text!r}")

    points = tables[1]
    if points.get(q("table:name")) != "tb5":
        fail(f"{mode}: the second table is named {points.get(q('table:name'))!r}, not 'tb5'")
    rows = [[cell_text(c) for c in r] for r in table_rows(points)]
    if column_count(points) != want["columns"] or any(len(r) != want["columns"] for r in rows):
        fail(f"{mode}: tb5 has not {want['columns']} columns: {rows[:2]}")
    if rows != want["rows"]:
        fail(f"{mode}: tb5 holds {rows}, not {want['rows']}")

    frames = [f for f in body.iter(q("draw:frame")) if f.find("draw:image", NS) is not None]
    if len(frames) != 1:
        fail(f"{mode}: {len(frames)} pictures instead of one")
    frame = frames[0]
    if frame.get(q("text:anchor-type")) != "as-char":
        fail(f"{mode}: the picture is anchored {frame.get(q('text:anchor-type'))!r}, it can float"
             " over the table")
    href = frame.find("draw:image", NS).get(q("xlink:href"))
    if href not in names:
        fail(f"{mode}: the picture {href!r} is not embedded in the document")
    order = list(body.iter())
    holder = next(p for p in body.iter(q("text:p")) if frame in list(p.iter()))
    if any(holder in list(t.iter()) for t in tables) or order.index(holder) > order.index(points):
        fail(f"{mode}: the picture is not in a paragraph of its own before the points")


def check_pdf(pdf, want, mode):
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", str(pdf), "-"], capture_output=True,
                          text=True, check=True).stdout
    flat = " ".join(text.split())
    wanted = [want["caseName"]] + want["rows"][0] + [r[0] for r in want["rows"][1:-1]]
    missing = []
    for w in wanted:
        w = " ".join(w.split())
        found = (re.search(rf"(?<![\d.,']){w}(?![\d.,'])", flat) if w.isdigit() else w in flat)
        if not found:
            missing.append(w)
    if missing:
        fail(f"{mode}: not in the PDF's text: {missing}\n--- text ---\n{text}")


def main():
    if sys.argv[1] == "template":
        check_template(sys.argv[2], sys.argv[3], Path(sys.argv[4]))
        return
    sample, template, work = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    shutil.rmtree(work, ignore_errors=True)
    for tool in ("soffice", "pdftotext"):
        if not shutil.which(tool):
            fail(f"{tool} is not installed (see scripts/packages.txt)")
    made = subprocess.run([sample, template, str(work)], capture_output=True, text=True,
                          timeout=540)
    if made.returncode != 0:
        fail(f"the sample reports were not made: {made.stderr.strip()}")
    expected = json.loads((work / "expected.json").read_text(encoding="utf-8"))
    for mode, want in expected.items():
        check_document(work / f"{mode}.odt", want, mode)
        check_pdf(work / f"{mode}.pdf", want, mode)
        print(f"{mode}.odt: case cells, tb5 of {len(want['rows'])} rows x {want['columns']},"
              " one picture before it; the PDF shows the case name, the titles and every point")


if __name__ == "__main__":
    main()
