// Exports a sample case through the program's DXF export, for readers nobody here wrote to
// check, and lists what the drawing must hold: the entities per layer and, for every arc,
// its three defining points and whether it is a whole circle.
// Usage: dxf_export_sample DRAWING.dxf FACTS.json
#include "dxf/DxfExport.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <numbers>
#include <string>
#include <vector>

using namespace zorvane;
using namespace std::string_view_literals;

namespace {

struct Arc {
    std::size_t polyline; // its place among the drawing's polylines
    std::vector<std::int32_t> points;
    bool fullCircle;
};
// Polylines, by place, that must have no bulge at all.
const std::size_t kStraight[] = {0, 5, 6, 7, 8};

PointRecord onCircle(std::int32_t number, double cx, double cy, double r, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {number, cx + r * std::cos(a), cy + r * std::sin(a), 0.5, ""sv, ""sv, 0};
}

CaseData sampleCase(std::vector<Arc>& arcs) {
    CaseData c;
    c.mode = CaseMode::Xyz;
    c.points = {{1, 0, 0, 0.1, ""sv, "Kerb"sv, 0},
                {2, 10, 0, 0.2, ""sv, "Kerb"sv, 0x0000FF},
                {3, 20, 5, 0.3, ""sv, ""sv, 0x008000},
                {4, 30, 5.25, 0.25, ""sv, "Tree"sv, 0xFF0000},
                {5, 5.125, 7.5, 0, ""sv, "Car front left"sv, 0xFF00FF},
                {6, 40, 10, 0, ""sv, ""sv, 0},
                {7, 50, 20, 0, ""sv, ""sv, 0},
                {8, 20, 0, 0, ""sv, ""sv, 0}};
    // Counter-clockwise 130 degrees; clockwise 90; circles whose middle point lies on the
    // short and on the long way round.
    const struct {
        double cx, cy, r, a0, a1, a2;
    } circles[] = {{50, 50, 10, 200, 250, 330},
                   {80, 20, 7.5, 100, 60, 10},
                   {20, 40, 5, 0, 45, 120},
                   {60, 80, 12, 90, 200, 30}};
    std::int32_t number = 10;
    for (const auto& k : circles) {
        c.points.push_back(onCircle(number, k.cx, k.cy, k.r, k.a0));
        c.points.push_back(onCircle(number + 1, k.cx, k.cy, k.r, k.a1));
        c.points.push_back(onCircle(number + 2, k.cx, k.cy, k.r, k.a2));
        number += 10;
    }
    c.polylines = {{"Road"sv, ""sv, 0, 1, "1-4"sv},
                   {"arc1"sv, ""sv, 1, 0, "10,11,12"sv},
                   {"ARC2"sv, ""sv, 2, 2, "20-22"sv},
                   {"aCircle"sv, ""sv, 3, 0, "30,31,32,1"sv},
                   {"aRound"sv, ""sv, 4, 4, "40,41,42,42"sv},
                   {"aLine"sv, ""sv, 5, 0, "1,2,8"sv},    // in line: a straight segment
                   {"aShort"sv, ""sv, 6, 0, "1,2"sv},     // too few points for an arc
                   {"aBroken"sv, ""sv, 7, 0, "5,99,7"sv}, // a point is missing
                   {"Edge"sv, ""sv, 7, 3, "1,5,3"sv}};
    arcs = {{1, {10, 11, 12}, false},
            {2, {20, 21, 22}, false},
            {3, {30, 31, 32}, true},
            {4, {40, 41, 42}, true}};
    return c;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DRAWING.dxf FACTS.json\n", argv[0]);
        return 2;
    }
    std::vector<Arc> arcs;
    const CaseData c = sampleCase(arcs);
    DxfExportOptions options;
    options.pointLayer = "POINTS", options.numberLayer = "NUMBERS";
    options.descriptorLayer = "DESCRIPTIONS", options.polylineLayer = "POLYLINES";
    options.points3D = true, options.polylines3D = false;
    const DxfExportOutcome outcome = exportDxf(c, options, argv[1]);
    if (!outcome.skipped.empty()) {
        std::fprintf(stderr, "left out: %s\n", outcome.skipped.front().c_str());
        return 1;
    }

    std::size_t descriptors = 0;
    for (const PointRecord& p : c.points) descriptors += !p.descriptor.empty();
    FILE* facts = std::fopen(argv[2], "w");
    if (!facts) return 1;
    std::fprintf(facts,
                 "{\"counts\": {\"POINTS\": {\"POINT\": %zu}, \"NUMBERS\": {\"TEXT\": %zu}, "
                 "\"DESCRIPTIONS\": {\"TEXT\": %zu}, \"POLYLINES\": {\"POLYLINE\": %zu}},\n",
                 c.points.size(), c.points.size(), descriptors, c.polylines.size());
    std::fprintf(facts, " \"points\": {");
    for (std::size_t i = 0; i < c.points.size(); ++i)
        std::fprintf(facts, "%s\"%d\": [%.17g, %.17g]", i ? ", " : "", c.points[i].number,
                     c.points[i].m1, c.points[i].m2);
    std::fprintf(facts, "},\n \"arcs\": [");
    for (std::size_t i = 0; i < arcs.size(); ++i)
        std::fprintf(facts,
                     "%s{\"polyline\": %zu, \"points\": [\"%d\", \"%d\", \"%d\"], "
                     "\"full\": %s}",
                     i ? ", " : "", arcs[i].polyline, arcs[i].points[0], arcs[i].points[1],
                     arcs[i].points[2], arcs[i].fullCircle ? "true" : "false");
    std::fprintf(facts, "],\n \"straight\": [");
    for (std::size_t i = 0; i < std::size(kStraight); ++i)
        std::fprintf(facts, "%s%zu", i ? ", " : "", kStraight[i]);
    std::fprintf(facts, "]}\n");
    return std::fclose(facts) == 0 ? 0 : 1;
}
