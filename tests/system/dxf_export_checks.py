"""Checks of the program's DXF export run by ctest, with readers nobody here wrote.

  dxf_export_checks.py ezdxf DRAWING FACTS     ezdxf reads and audits the drawing, counts the
                                               entities per layer and redraws every arc from
                                               its bulges through its three defining points
  dxf_export_checks.py ogrinfo DRAWING FACTS   GDAL finds the expected features per layer
"""
import json
import math
import re
import subprocess
import sys

TOLERANCE = 1e-9


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def read_facts(path):
    with open(path) as f:
        return json.load(f)


def ccw_turn(start, end):
    """Counter-clockwise angle from start to end, in [0, 2 pi)."""
    return (end - start) % (2 * math.pi)


def check_arc(polyline, arc, points):
    from ezdxf.math import Vec2, bulge_to_arc

    p0, p1, p2 = (Vec2(points[n]) for n in arc["points"])
    vertices = [(Vec2(v.dxf.location), v.dxf.bulge) for v in polyline.vertices]
    expected = [p0, p2, p2, p0] if arc["full"] else [p0, p2]
    if len(vertices) != len(expected):
        fail("arc %s: %d vertices, expected %d" % (arc["points"], len(vertices), len(expected)))
    for (at, _), want in zip(vertices, expected):
        if at.distance(want) > TOLERANCE:
            fail("arc %s: vertex %s, expected %s" % (arc["points"], at, want))
    # Segment by segment, the arc a CAD program draws: centre, radius, counter-clockwise span.
    segments = []
    for (start, bulge), (end, _) in zip(vertices, vertices[1:]):
        if bulge != 0:
            centre, start_angle, end_angle, radius = bulge_to_arc(start, end, bulge)
            segments.append((Vec2(centre), start_angle, end_angle, radius))
    if len(segments) != (2 if arc["full"] else 1):
        fail("arc %s: %d bulged segments" % (arc["points"], len(segments)))
    centre, start_angle, end_angle, radius = segments[0]
    for p in (p0, p1, p2):
        if abs(p.distance(centre) - radius) > TOLERANCE:
            fail("arc %s: %s is %.3g off the arc" % (arc["points"], p,
                                                       abs(p.distance(centre) - radius)))
    middle = (p1 - centre).angle
    if ccw_turn(start_angle, middle) > ccw_turn(start_angle, end_angle) + TOLERANCE:
        fail("arc %s: the middle point is not on the drawn arc" % arc["points"])
    if arc["full"]:
        other = segments[1]
        if other[0].distance(centre) > TOLERANCE or abs(other[3] - radius) > TOLERANCE:
            fail("arc %s: the way back is on another circle" % arc["points"])
        spans = ccw_turn(start_angle, end_angle) + ccw_turn(other[1], other[2])
        if abs(spans - 2 * math.pi) > TOLERANCE:
            fail("arc %s: the two sweeps make %.12g radians" % (arc["points"], spans))


def check_ezdxf(drawing, facts_file):
    import ezdxf

    facts = read_facts(facts_file)
    doc = ezdxf.readfile(drawing)
    if doc.dxfversion != "AC1009":
        fail("version %s, expected AC1009" % doc.dxfversion)
    auditor = doc.audit()
    for problem in auditor.errors + auditor.fixes:
        print("audit: %s" % problem.message)
    if auditor.errors or auditor.fixes:
        fail("%d audit errors, %d fixes" % (len(auditor.errors), len(auditor.fixes)))
    msp = doc.modelspace()
    found = {}
    for entity in msp:
        kinds = found.setdefault(entity.dxf.layer, {})
        kinds[entity.dxftype()] = kinds.get(entity.dxftype(), 0) + 1
    if found != facts["counts"]:
        fail("entities per layer %s, expected %s" % (found, facts["counts"]))
    layers = {layer.dxf.name for layer in doc.layers}
    if not set(facts["counts"]) <= layers:
        fail("layers %s do not declare %s" % (sorted(layers), sorted(facts["counts"])))

    polylines = list(msp.query("POLYLINE"))
    points = facts["points"]
    for arc in facts["arcs"]:
        check_arc(polylines[arc["polyline"]], arc, points)
    for index in facts["straight"]:
        if any(v.dxf.bulge != 0 for v in polylines[index].vertices):
            fail("polyline %d should be straight" % index)
    print("ezdxf: %s, audit clean, %d arcs through their points"
          % (found, len(facts["arcs"])))


def check_ogrinfo(drawing, facts_file):
    facts = read_facts(facts_file)
    out = subprocess.run(["ogrinfo", "-ro", "-al", "-q", drawing], capture_output=True,
                         text=True, check=True).stdout
    found = {}
    for layer in re.findall(r"^\s*Layer \(String\) = (.*)$", out, re.MULTILINE):
        found[layer] = found.get(layer, 0) + 1
    expected = {layer: sum(kinds.values()) for layer, kinds in facts["counts"].items()}
    if found != expected:
        fail("GDAL features per layer %s, expected %s" % (found, expected))
    print("ogrinfo: features per layer %s" % found)


if __name__ == "__main__":
    checks = {"ezdxf": check_ezdxf, "ogrinfo": check_ogrinfo}
    if len(sys.argv) != 4 or sys.argv[1] not in checks:
        print(__doc__)
        sys.exit(2)
    checks[sys.argv[1]](*sys.argv[2:])
