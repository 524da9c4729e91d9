// Makes the two example cases with the program's own core, as an investigator would with the
// entry pages: each point typed as texts into its mode's fields, marks set on selected rows,
// polylines and arcs defined by point lists, the legend and the incident description filled
// in; then the case is saved, with the option files its drawings and exhibit are made with.
// Usage: make_examples OUTPUT_FOLDER   (writes OUTPUT_FOLDER/<example>/...)
#include "case/CaseDocument.h"
#include "files/CaseFile.h"
#include "files/DxfOptionsFile.h"
#include "files/ExportOptionsFile.h"
#include "files/ProgramOptionsFile.h"
#include "text/Cp1252.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace zorvane;

namespace {

constexpr Colour kRed = 0x0000FF, kGreen = 0x008000, kBlue = 0xFF0000, kFuchsia = 0xFF00FF;
enum PolylineColour { kRedLine = 0, kGreenLine = 2, kBlueLine = 4, kBlackLine = 6, kGreyLine = 7 };

struct Point {
    const char* number;
    std::vector<const char*> values; // as typed into the value fields
    const char* descriptor;
    Colour mark = 0;
};

struct Line {
    const char* name;
    const char* description;
    int colour, width;
    const char* points;
};

void type(CaseDocument& doc, const Point& p) {
    EntryFields fields;
    fields.number = p.number;
    for (std::size_t i = 0; i < p.values.size(); ++i) fields.values[i] = p.values[i];
    fields.descriptor = utf8ToCp1252(p.descriptor);
    const Outcome made = doc.createOrModifyPoint(fields);
    if (made.failed())
        throw std::runtime_error(std::string("point ") + p.number + ": " + made.error);
    if (p.mark == 0) return;
    doc.selectRow(made.row);
    doc.setMark(p.mark);
}

void define(CaseDocument& doc, const Line& l) {
    const Outcome made =
        doc.createOrModifyPolyline({l.name, l.description, l.colour, l.width, l.points});
    if (made.failed())
        throw std::runtime_error(std::string("polyline ") + l.name + ": " + made.error);
}

LegendRecord legend(std::vector<const char*> lines) {
    LegendRecord r;
    for (std::size_t i = 0; i < lines.size(); ++i) r.lines[i] = utf8ToCp1252(lines[i]);
    r.fontName = "Arial";
    r.fontHeight = -11;
    r.visible = true;
    return r;
}

IncidentRecord incident(const char* date, const char* hour, const char* place, const char* name1,
                        const char* name2, const char* circumstances) {
    IncidentRecord r;
    r.date = date;
    r.hour = hour;
    r.place = utf8ToCp1252(place);
    r.name1 = utf8ToCp1252(name1);
    r.name2 = utf8ToCp1252(name2);
    r.circumstances = utf8ToCp1252(circumstances);
    return r;
}

struct Example {
    fs::path folder;
    ProgramOptions program;
    DxfExportOptions dxf;
    ExportOptions coordinates;
};

void save(const CaseDocument& doc, const Example& e) {
    fs::create_directories(e.folder / "options");
    saveCaseFile(e.folder / (e.folder.filename().string() + ".zvr"), doc.state(),
                 e.program.saveImages);
    saveProgramOptions(e.folder / "options" / kProgramOptionsFileName, e.program);
    saveDxfOptions(e.folder / "options" / kDxfOptionsFileName, e.dxf);
    saveExportOptions(e.folder / "options" / kExportOptionsFileName, e.coordinates);
}

// The display the exhibit and the pictures are drawn with: dots, numbers, descriptors.
ProgramOptions displayOptions(std::int32_t unit) {
    ProgramOptions o;
    o.defaultUnit = unit;
    o.rememberWindows = true;
    o.showPoints = o.showNumbers = o.showDescriptions = o.showPolylines = true;
    o.labelHeight = 11;
    return o;
}

ExportOptions everyColumn() {
    ExportOptions o;
    o.exportPoint = o.in3D = o.exportNumber = o.exportDescription = o.exportCode = true;
    return o;
}

// A T-junction: Mill Road runs east-west, Station Street joins from the north. Points are
// measured along a baseline on Mill Road's south kerb from lamp post No. 17 (X) and square off
// it (Y), with the road's height above the lamp post's foot (Z).
void junctionCollision(const fs::path& out) {
    Example e{out / "junction-collision", displayOptions(kMeter), {}, everyColumn()};
    e.dxf.numberHeight = 0.25;
    e.dxf.descriptorHeight = 0.2;
    e.dxf.exportDescriptors = true;
    CaseDocument doc;
    doc.startNew(CaseMode::Xyz, e.program, "14/03/2024");
    doc.setCaseName("K-2024/117");
    doc.setCaseDescription("Collision at the Mill Road / Station Street junction");
    const Point points[] = {
        {"1", {"0", "-0.50", "0.12"}, "RP lamp post No. 17", kGreen},
        {"2", {"0", "0", "0"}, "Kerb"},
        {"3", {"46", "0", "0.21"}, "Kerb"},
        {"4", {"0", "7.30", "0.05"}, "Kerb"},
        {"5", {"14", "7.30", "0.09"}, "Kerb radius starts"},
        {"6", {"18.24", "9.06", "0.11"}, ""},
        {"7", {"20", "13.30", "0.14"}, "Kerb radius ends"},
        {"8", {"20", "30", "0.62"}, "Kerb"},
        {"9", {"26", "30", "0.64"}, "Kerb"},
        {"10", {"26", "13.30", "0.18"}, "Kerb radius starts"},
        {"11", {"27.76", "9.06", "0.16"}, ""},
        {"12", {"32", "7.30", "0.15"}, "Kerb radius ends"},
        {"13", {"46", "7.30", "0.24"}, "Kerb"},
        {"14", {"19.20", "8.60", "0.13"}, "Stop sign"},
        {"20", {"8.20", "2.10", "0.04"}, "Skid mark starts (car B left)"},
        {"21", {"14.90", "2.31", "0.07"}, ""},
        {"22", {"21.40", "2.55", "0.10"}, "Skid mark ends"},
        {"23", {"8.05", "3.65", "0.04"}, "Skid mark starts (car B right)"},
        {"24", {"14.75", "3.88", "0.07"}, ""},
        {"25", {"21.25", "4.15", "0.10"}, "Skid mark ends"},
        {"30", {"22.60", "4.90", "0.11"}, "Point of impact", kRed},
        {"31", {"24.10", "5.60", "0.12"}, "Debris"},
        {"32", {"25.30", "4.70", "0.12"}, "Debris"},
        {"33", {"23.80", "3.90", "0.11"}, "Headlamp glass"},
        {"40", {"27.40", "3.20", "0.13"}, "Car A front left", kBlue},
        {"41", {"31.80", "4.10", "0.15"}, "Car A rear left", kBlue},
        {"42", {"31.45", "5.85", "0.15"}, "Car A rear right", kBlue},
        {"43", {"27.05", "4.95", "0.13"}, "Car A front right", kBlue},
        {"44", {"23.10", "0.90", "0.10"}, "Car B rear left", kFuchsia},
        {"45", {"27.55", "1.25", "0.12"}, "Car B front left", kFuchsia},
        {"46", {"27.45", "3.00", "0.12"}, "Car B front right", kFuchsia},
        {"47", {"23.00", "2.65", "0.10"}, "Car B rear right", kFuchsia},
        {"50", {"38.50", "10.80", "0.30"}, "Witness (pedestrian)", kGreen},
    };
    for (const Point& p : points) type(doc, p);
    const Line lines[] = {
        {"Kerb S", "Mill Road, south kerb (baseline)", kBlackLine, 1, "2,3"},
        {"Kerb NW", "Mill Road, north kerb", kBlackLine, 1, "4,5"},
        {"aKerb W", "Kerb radius, west corner", kBlackLine, 1, "5,6,7"},
        {"Kerb SSW", "Station Street, west kerb", kBlackLine, 1, "7,8"},
        {"Kerb SSE", "Station Street, east kerb", kBlackLine, 1, "9,10"},
        {"aKerb E", "Kerb radius, east corner", kBlackLine, 1, "10,11,12"},
        {"Kerb NE", "Mill Road, north kerb", kBlackLine, 1, "12,13"},
        {"Skid L", "Tyre mark, car B left wheels", kGreyLine, 2, "20-22"},
        {"Skid R", "Tyre mark, car B right wheels", kGreyLine, 2, "23-25"},
        {"Car A", "Final rest, car A", kBlueLine, 2, "40-43,40"},
        {"Car B", "Final rest, car B", kRedLine, 2, "44-47,44"},
    };
    for (const Line& l : lines) define(doc, l);
    doc.setLegend(legend({"Car A: blue Ford Focus, out of Station Street",
                          "Car B: red VW Golf, eastbound on Mill Road",
                          "Baseline: south kerb from lamp post No. 17",
                          "Measured by PC 4711, tape and level"}));
    doc.setIncident(incident("14/03/2024", "17:45", "Mill Road / Station Street, Northbridge",
                             "A. Fischer (driver, car A)", "M. Okafor (driver, car B)",
                             "Car A turned right out of Station Street into the path of car B.\r\n"
                             "Wet road, dusk, street lights on."));
    save(doc, e);
}

// A burglary in a living room 18 by 12 feet. Offsets are measured with a tape from a nail
// driven into the floor near the middle of the room (RP): North, East, South, West and the
// height above the floor, in feet and inches as read off the tape.
void indoorScene(const fs::path& out) {
    Example e{out / "indoor-scene", displayOptions(kFeetInches), {}, everyColumn()};
    e.dxf.numberHeight = 0.5;
    e.dxf.descriptorHeight = 0.4;
    e.dxf.exportDescriptors = true;
    e.dxf.points3D = e.dxf.polylines3D = false;
    CaseDocument doc;
    doc.startNew(CaseMode::Nesw, e.program, "02/11/2024");
    doc.setCaseName("B-2024/0388");
    doc.setCaseDescription("Burglary, living room of 14 Alder Court, ground floor");
    //                 North      East        South       West        Elevation
    const Point points[] = {
        {"1", {"0", "0", "0", "0", "0"}, "RP nail in floor board", kGreen},
        {"2", {"6'", "0", "0", "9'", "0"}, "Corner NW"},
        {"3", {"6'", "9'", "0", "0", "0"}, "Corner NE"},
        {"4", {"0", "9'", "6'", "0", "0"}, "Corner SE"},
        {"5", {"0", "0", "6'", "9'", "0"}, "Corner SW"},
        {"6", {"0", "5'", "6'", "0", "0"}, "Door hinge"},
        {"7", {"0", "2'", "6'", "0", "0"}, "Door jamb"},
        {"8", {"0", "2' 10 1/2", "3' 10 1/2", "0", "0"}, ""},
        {"9", {"0", "5'", "3'", "0", "0"}, "Door leaf open"},
        {"10", {"6'", "0", "0", "5' 3", "3' 1"}, "Window forced", kRed},
        {"11", {"6'", "0", "0", "2' 9", "3' 1"}, "Window"},
        {"12", {"4' 8 1/4", "0", "0", "4' 1 1/2", "0"}, "Shoe print", kRed},
        {"13", {"2' 11", "0", "0", "2' 6 3/4", "0"}, "Shoe print", kRed},
        {"14", {"1' 2 1/2", "0", "0", "0' 10", "0"}, "Shoe print", kRed},
        {"15", {"3' 6", "7' 9", "0", "0", "0"}, "Safe door open", kBlue},
        {"16", {"2' 4", "7' 9", "0", "0", "0"}, ""},
        {"17", {"2' 4", "8' 11", "0", "0", "0"}, ""},
        {"18", {"3' 6", "8' 11", "0", "0", "0"}, ""},
        {"19", {"1' 3", "6' 2 1/2", "0", "0", "0"}, "Pry bar", kFuchsia},
        {"20", {"0", "0' 9", "0' 9", "0", "0"}, "Table"},
        {"21", {"0", "3' 9", "0' 9", "0", "0"}, ""},
        {"22", {"0", "3' 9", "2' 9", "0", "0"}, ""},
        {"23", {"0", "0' 9", "2' 9", "0", "0"}, ""},
        {"24", {"0", "2' 3", "1' 9", "0", "2' 5 1/2"}, "Jewellery box empty", kBlue},
        {"25", {"0", "0", "2' 2", "6' 9", "0"}, "Chair overturned"},
        {"26", {"0", "0", "4' 11", "3' 4", "0"}, "Drawer on floor"},
        {"27", {"5' 7 3/4", "0", "0", "3' 11", "0"}, "Glass fragments"},
    };
    for (const Point& p : points) type(doc, p);
    const Line lines[] = {
        {"Walls", "Walls, door opening left out", kBlackLine, 2, "7,5,2,3,4,6"},
        {"aDoor", "Door swing", kGreyLine, 0, "7,8,9"},
        {"Door", "Door leaf", kGreyLine, 1, "6,9"},
        {"Window", "Window opening", kBlueLine, 2, "11,10"},
        {"Safe", "Safe", kBlackLine, 1, "15-18,15"},
        {"Table", "Table", kBlackLine, 1, "20-23,20"},
        {"Route", "Shoe prints, window to safe", kRedLine, 0, "12,13,14,19,15"},
    };
    for (const Line& l : lines) define(doc, l);
    doc.setLegend(legend({"Offsets from RP, a nail in the floor", "Heights above the floor",
                          "Red: shoe prints, window to safe"}));
    doc.setIncident(incident("02/11/2024", "06:20", "14 Alder Court, Northbridge",
                             "E. Lindqvist (occupier)", "DC Haddad (scene examiner)",
                             "Entry by forcing the north window. Safe and jewellery box\r\n"
                             "emptied; occupier away overnight."));
    save(doc, e);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: make_examples OUTPUT_FOLDER\n");
        return 2;
    }
    try {
        junctionCollision(argv[1]);
        indoorScene(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_examples: %s\n", e.what());
        return 1;
    }
    return 0;
}
