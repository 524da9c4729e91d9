#!/usr/bin/python3
"""Hands a Word report to LibreOffice and reads back what it shows.

    docx_report_checks.py <sample program> <template> <mode> <work folder>
    docx_report_checks.py template <generator script> <shipped template> <work folder>

Runs the sample program (it writes the report and the list of texts to expect), converts the
document to PDF with LibreOffice headless, extracts its text with pdftotext and checks that
every expected text is there: the case name, the grid titles and every point number.
The second form checks that the shipped template is what its generator writes today.
"""
import re
import shutil
import subprocess
import sys
import zipfile
from pathlib import Path


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def check_template(generator, shipped, work):
    work.mkdir(parents=True, exist_ok=True)
    fresh = work / "tq.dotx"
    subprocess.run(["/usr/bin/python3", generator, str(fresh)], check=True, capture_output=True)
    with zipfile.ZipFile(shipped) as a, zipfile.ZipFile(fresh) as b:
        parts = lambda z: {n: z.read(n) for n in z.namelist()}
        if parts(a) != parts(b):
            fail(f"{shipped} is not what {generator} writes: run it again and commit the result")
    print(f"{Path(shipped).name} is up to date")


def main():
    if sys.argv[1] == "template":
        check_template(sys.argv[2], sys.argv[3], Path(sys.argv[4]))
        return
    sample, template, mode, work = sys.argv[1], sys.argv[2], sys.argv[3], Path(sys.argv[4])
    shutil.rmtree(work, ignore_errors=True)
    out = work / "out"
    out.mkdir(parents=True)
    for tool in ("soffice", "pdftotext"):
        if not shutil.which(tool):
            fail(f"{tool} is not installed (see scripts/packages.txt)")

    made = subprocess.run([sample, mode, template, str(out)], capture_output=True, text=True)
    if made.returncode != 0:
        fail(f"the sample report was not written: {made.stderr.strip()}")
    document = Path(made.stdout.strip())

    # A profile of our own: another LibreOffice running on this machine must not interfere.
    profile = (work / "profile").resolve().as_uri()
    converted = subprocess.run(
        ["soffice", f"-env:UserInstallation={profile}", "--headless", "--norestore",
         "--convert-to", "pdf", "--outdir", str(work), str(document)],
        capture_output=True, text=True, timeout=240)
    pdf = work / (document.stem + ".pdf")
    if converted.returncode != 0 or not pdf.exists():
        fail(f"LibreOffice did not convert {document.name}: {converted.stdout} {converted.stderr}")

    text = subprocess.run(["pdftotext", "-enc", "UTF-8", str(pdf), "-"], capture_output=True,
                          text=True, check=True).stdout
    flat = " ".join(text.split())
    missing = []
    for wanted in (out / "expected.txt").read_text(encoding="utf-8").splitlines():
        wanted = " ".join(wanted.split())
        if wanted.isdigit():
            found = re.search(rf"(?<![\d.,']){wanted}(?![\d.,'])", flat)
        else:
            found = wanted in flat
        if not found:
            missing.append(wanted)
    if missing:
        fail(f"not in the converted report: {missing}\n--- text ---\n{text}")
    print(f"{document.name}: {pdf.name} shows the case name, the titles and every point")


if __name__ == "__main__":
    main()
