"""Checks of Tessaline run by ctest, with readers and tools nobody here wrote.

  tessaline_checks.py ezdxf DRAWING COUNTS      ezdxf reads and audits the drawing
  tessaline_checks.py ogrinfo DRAWING COUNTS    GDAL finds every feature
  tessaline_checks.py exports LIBRARY           only the C interface is exported
  tessaline_checks.py install BUILD PREFIX SAMPLE_C
      installs the library, then builds and runs SAMPLE_C through pkg-config
"""
import os
import re
import subprocess
import sys

EXPORTS = {"StartDXF", "CreateDXFLayer", "EndDXFTabAndSection", "DrawDXFPoint", "DrawDXFText",
           "DrawDXFLine", "StartDXF2DPolyline", "StartDXF3DPolyline", "DrawDXF2DVertex",
           "DrawDXF3DVertex", "EndDXFPolyline", "EndDXF", "TessalineLastError"}


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def read_counts(path):
    with open(path) as f:
        return {kind: int(n) for kind, n in (line.split() for line in f if line.strip())}


def check_ezdxf(drawing, counts_file):
    import ezdxf

    counts = read_counts(counts_file)
    doc = ezdxf.readfile(drawing)
    if doc.dxfversion != "AC1009":
        fail("version %s, expected AC1009" % doc.dxfversion)
    auditor = doc.audit()
    for problem in auditor.errors + auditor.fixes:
        print("audit: %s" % problem.message)
    if auditor.errors or auditor.fixes:
        fail("%d audit errors, %d fixes" % (len(auditor.errors), len(auditor.fixes)))
    msp = doc.modelspace()
    found = {kind: len(msp.query(kind)) for kind in ("POINT", "TEXT", "LINE", "POLYLINE")}
    found["VERTEX"] = sum(len(p.vertices) for p in msp.query("POLYLINE"))
    expected = {kind: counts[kind] for kind in found}
    if found != expected:
        fail("entities %s, written %s" % (found, expected))
    print("ezdxf: %s, audit clean" % found)


def check_ogrinfo(drawing, counts_file):
    counts = read_counts(counts_file)
    out = subprocess.run(["ogrinfo", "-ro", "-so", "-al", drawing], capture_output=True,
                         text=True, check=True).stdout
    found = [int(n) for n in re.findall(r"Feature Count: (\d+)", out)]
    expected = counts["POINT"] + counts["TEXT"] + counts["LINE"] + counts["POLYLINE"]
    if found != [expected]:
        fail("ogrinfo feature counts %s, written %d\n%s" % (found, expected, out))
    print("ogrinfo: %d features" % expected)


def check_exports(library):
    out = subprocess.run(["nm", "-D", "--defined-only", library], capture_output=True, text=True,
                         check=True).stdout
    names = {line.split()[-1].split("@")[0] for line in out.splitlines() if line.strip()}
    names.discard("TESSALINE_1")  # the version node
    if names != EXPORTS:
        fail("unexpected exports %s, missing %s"
             % (sorted(names - EXPORTS), sorted(EXPORTS - names)))
    dynamic = subprocess.run(["readelf", "-d", library], capture_output=True, text=True,
                             check=True).stdout
    if "Library soname: [libtessaline.so.1]" not in dynamic:
        fail("no versioned SONAME:\n" + dynamic)
    print("exports: the %d functions of tessaline.h, SONAME libtessaline.so.1" % len(names))


def check_install(build, prefix, sample):
    subprocess.run(["cmake", "--install", build, "--component", "tessaline", "--prefix", prefix],
                   check=True)
    pc_dirs = [os.path.join(root, d) for root, dirs, _ in os.walk(prefix) for d in dirs
               if d == "pkgconfig"]
    if len(pc_dirs) != 1:
        fail("expected one pkgconfig folder under %s, found %s" % (prefix, pc_dirs))
    env = dict(os.environ, PKG_CONFIG_PATH=pc_dirs[0])
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "tessaline"], env=env,
                           capture_output=True, text=True, check=True).stdout.split()
    libdir = [f[2:] for f in flags if f.startswith("-L")][0]
    for name in ("libtessaline.so", "libtessaline.so.1"):
        if not os.path.exists(os.path.join(libdir, name)):
            fail("%s not installed in %s" % (name, libdir))
    program = os.path.join(prefix, "sample")
    subprocess.run(["cc", "-std=c99", "-Wall", "-Wextra", "-Wpedantic", "-Werror", sample,
                    "-o", program] + flags, check=True)
    drawing = os.path.join(prefix, "sample.dxf")
    subprocess.run([program, drawing, os.path.join(prefix, "sample.counts")],
                   env=dict(os.environ, LD_LIBRARY_PATH=libdir), check=True)
    with open(drawing, "rb") as f:
        if not f.read().endswith(b" 0\r\nENDSEC\r\n 0\r\nEOF\r\n"):
            fail("the installed library wrote an unfinished drawing")
    print("install: header, library and pkg-config file work from C")


if __name__ == "__main__":
    checks = {"ezdxf": check_ezdxf, "ogrinfo": check_ogrinfo, "exports": check_exports,
              "install": check_install}
    if len(sys.argv) < 2 or sys.argv[1] not in checks:
        print(__doc__)
        sys.exit(2)
    checks[sys.argv[1]](*sys.argv[2:])
