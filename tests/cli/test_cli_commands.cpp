// zorvane-cli run as a separate process on real files; every file it writes is compared with
// what the core functions write for the same input, byte for byte.
#include "cli/CommandSyntax.h"

#include "case/CaseDocument.h"
#include "dxf/DxfExport.h"
#include "files/CaseFile.h"
#include "files/CoordinateExport.h"
#include "files/CoordinateImport.h"
#include "files/DxfOptionsFile.h"
#include "files/ExportOptionsFile.h"
#include "files/ImportOptionsFile.h"
#include "files/ProgramOptionsFile.h"
#include "support/TempDir.h"
#include "text/Cp1252.h"
#include "ui/view/ExhibitWriter.h"
#include "ui/view/QtCanvas.h"
#include "view/ExhibitLayout.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kEpoch = "1700000000"; // 14/11/2023, 22:13 UTC
const fs::path kExamples = ZORVANE_EXAMPLES;
const fs::path kJunction = kExamples / "junction-collision" / "junction-collision.zvr";
const fs::path kIndoor = kExamples / "indoor-scene" / "indoor-scene.zvr";

Bytes bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
std::string textOf(const fs::path& file) {
    const Bytes b = bytesOf(file);
    return std::string(b.begin(), b.end());
}
void write(const fs::path& file, std::string_view text) {
    std::ofstream(file, std::ios::binary) << text;
}
template <std::size_t N> void write(const fs::path& file, const std::array<std::uint8_t, N>& b) {
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), N);
}

struct Result {
    int status = -1;
    std::string out, err;
};

// A user's shell: the C locale, a fixed SOURCE_DATE_EPOCH and a program folder of its own.
class Cli {
  public:
    testing::TempDir dir;
    fs::path home = dir / "home";

    // The option files an installation ships, from the records' defaults.
    Cli() {
        fs::create_directories(home);
        write(home / kProgramOptionsFileName, serialiseProgramOptions(ProgramOptions{}));
        write(home / kImportOptionsFileName, serialiseImportOptions(ImportOptions{}));
        write(home / kExportOptionsFileName, serialiseExportOptions(ExportOptions{}));
        saveDxfOptions(home / kDxfOptionsFileName, DxfExportOptions{});
    }

    Result run(const std::vector<std::string>& args) {
        std::vector<std::string> env = {
            "LC_ALL=C", "LANG=C", std::string("SOURCE_DATE_EPOCH=") + kEpoch,
            "ZORVANE_HOME=" + home.string(), "HOME=" + dir.path().string()};
        std::vector<std::string> argv = {ZORVANE_CLI};
        argv.insert(argv.end(), args.begin(), args.end());
        const fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        pid_t pid = 0;
        Result r;
        if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers(argv).data(),
                        pointers(env).data()) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        r.out = textOf(out);
        r.err = textOf(err);
        return r;
    }
    std::string at(const std::string& name) const { return (dir / name).string(); }

  private:
    static std::vector<char*> pointers(std::vector<std::string>& v) {
        std::vector<char*> p;
        for (std::string& s : v) p.push_back(s.data());
        p.push_back(nullptr);
        return p;
    }
};

// What the program has open after Open: the plan fitted to a surface of that size.
std::unique_ptr<CaseDocument> opened(const fs::path& file, int width = 1024, int height = 768) {
    auto doc = std::make_unique<CaseDocument>('.');
    doc->setSurfaceSize(width, height);
    doc->open(loadCaseFile(file));
    return doc;
}

// A case with texts that need care in JSON and in cp1252, an image and a polyline: NESW, so
// that its extents are plan positions, not stored values.
CaseData awkwardCase() {
    CaseData c;
    c.mode = CaseMode::Nesw;
    c.caseName = utf8ToCp1252("Fall \"7\" \\ Süd");
    c.caseDescription = "tab\there";
    c.units = {kCentimeter, 1};
    c.lastPointNumber = 12;
    PointRecord north{11, 2.5, 3, 0, ""sv, "Post"sv, 0};  // North 2.5, East 3
    PointRecord south{12, 0, 0, 1, ""sv, ""sv, 0x0000FF}; // South 1, West 4
    south.m4 = 4;
    c.points = {north, south};
    c.polylines = {{"Edge"sv, ""sv, 0, 1, "11,12"sv}};
    c.images.add(Bytes(64, 0xAB));
    c.incident.date = "01/02/2023";
    c.incident.place = utf8ToCp1252("Straße 5");
    return c;
}

TEST(CliUsage, CommandLinesThatCannotRunGiveStatusTwoAndWriteNothing) {
    Cli cli;
    const std::string out = cli.at("out.png"), zvr = kJunction.string();
    const struct {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {{}, "Usage: zorvane-cli COMMAND"},
        {{"draw", zvr, out}, "'draw' is not a command."},
        {{"render", zvr}, "missing arguments."},
        {{"info", zvr, out}, "too many arguments."},
        {{"render", zvr, out, "--colour", "red"}, "unknown option '--colour'."},
        {{"render", zvr, out, "--width"}, "'--width' needs a value (PX)."},
        {{"render", zvr, out, "--width", "wide"}, "--width must be a whole number from 1 to 8192"},
        {{"render", zvr, out, "--height=0"}, "--height must be a whole number"},
        {{"render", zvr, out, "--width=1", "--width=2"}, "'--width' is given twice."},
        {{"render", zvr, cli.at("out.bmp")}, "does not end in .png, .pdf or .svg."},
        {{"render", zvr, out, "--scale", "1:100"}, "--scale is for a PDF or SVG exhibit"},
        {{"render", zvr, cli.at("x.pdf"), "--scale", "2:100"}, "--scale must read 1:N"},
        {{"render", zvr, cli.at("x.pdf"), "--paper", "A5"}, "--paper must be A4, A3 or Letter"},
        {{"render", zvr, cli.at("x.svg"), "--orientation", "up"}, "--orientation must be portrait"},
        {{"info", zvr, "--json=yes"}, "'--json' takes no value."},
        {{"export-coords", "xyzz", zvr, cli.at("x.txt")},
         "'xyzz' is not a kind of coordinate file"},
        {{"import-coords", "gps", cli.at("in.txt"), cli.at("x.zvr")},
         "is not a kind of coordinate file"},
    };
    for (const auto& c : cases) {
        const Result r = cli.run(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    for (const char* never : {"out.png", "out.bmp", "x.pdf", "x.svg", "x.txt", "x.zvr"})
        EXPECT_FALSE(fs::exists(cli.dir / never)) << never;
}

TEST(CliUsage, EveryCommandDescribesItself) {
    Cli cli;
    for (const cli::CommandSyntax& c : cli::commandSyntaxes()) {
        const std::string usage = "Usage: zorvane-cli " + std::string(c.name) + " ";
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{std::string(c.name), "--help"},
              {"help", std::string(c.name)}}) {
            const Result r = cli.run(args);
            EXPECT_EQ(r.status, 0) << c.name;
            EXPECT_EQ(r.out.rfind(usage, 0), 0u) << r.out;
            EXPECT_NE(r.out.find("--help"), std::string::npos);
        }
    }
    const Result all = cli.run({"--help"});
    EXPECT_EQ(all.status, 0);
    for (const cli::CommandSyntax& c : cli::commandSyntaxes())
        EXPECT_NE(all.out.find("  " + std::string(c.name) + " "), std::string::npos) << c.name;
}

TEST(CliRefusal, InputsThatCannotBeUsedGiveStatusOneAndTheirMessage) {
    Cli cli;
    write(cli.dir / "notes.txt", "a few words");
    const Bytes whole = bytesOf(kJunction);
    std::ofstream(cli.dir / "cut.zvr", std::ios::binary)
        .write(reinterpret_cast<const char*>(whole.data()), 700); // inside the incident record
    write(cli.dir / "short.ini", "abc");
    const std::string zvr = kJunction.string();
    const struct {
        std::vector<std::string> args;
        std::string says;
        std::string output; // must not exist afterwards
    } cases[] = {
        {{"info", cli.at("notes.txt")}, "notes.txt: This is not a Zorvane 1.0 file.", ""},
        {{"info", cli.at("missing.zvr")}, "missing.zvr", ""},
        {{"resave", cli.at("cut.zvr"), cli.at("r.zvr")}, "cut.zvr", "r.zvr"},
        {{"export-dxf", zvr, cli.at("d.dxf"), "--options", cli.at("none.ini")},
         "none.ini\" could not be used (",
         "d.dxf"},
        {{"export-coords", "xyz", zvr, cli.at("c.txt"), "--options", cli.at("short.ini")},
         "short.ini\" could not be used (",
         "c.txt"},
        {{"import-coords", "xyz", cli.at("absent.txt"), cli.at("i.zvr")}, "absent.txt", "i.zvr"},
        {{"render", zvr, cli.at("p.png"), "--program-options", cli.at("short.ini")},
         "short.ini\" could not be used (",
         "p.png"},
        // Outputs that cannot be written: a folder where the file would go under a file.
        {{"resave", zvr, cli.at("notes.txt/r.zvr")}, "notes.txt/r.zvr", ""},
        {{"render", zvr, cli.at("notes.txt/p.pdf")}, "notes.txt/p.pdf", ""},
        {{"export-dxf", zvr, cli.at("notes.txt/d.dxf")},
         "Zorvane is unable to write to the file:",
         ""},
    };
    for (const auto& c : cases) {
        const Result r = cli.run(c.args);
        EXPECT_EQ(r.status, 1) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("the default"), std::string::npos) << r.err;
        if (!c.output.empty()) {
            EXPECT_FALSE(fs::exists(cli.dir / c.output)) << c.output;
        }
    }
}

TEST(CliInfo, TextForPeopleAndJsonForScripts) {
    Cli cli;
    saveCaseFile(cli.dir / "awkward.zvr", awkwardCase(), true);
    const Result text = cli.run({"info", cli.at("awkward.zvr")});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "Case name: Fall \"7\" \\ Süd\n"
                        "Description: tab\there\n"
                        "Mode: NESW\n"
                        "Unit: Centimeter\n"
                        "Decimals: 1\n"
                        "Last point number: 12\n"
                        "Points: 2\n"
                        "Polylines: 1\n"
                        "Images: 1\n"
                        "Extents: x -4.0 to 3.0, y -1.0 to 2.5\n"
                        "Date: 01/02/2023 00:00\n"
                        "Place: Straße 5\n");
    const Result json = cli.run({"info", "--json", cli.at("awkward.zvr")});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out,
              "{\n"
              "  \"caseName\": \"Fall \\\"7\\\" \\\\ Süd\",\n"
              "  \"description\": \"tab\\there\",\n"
              "  \"mode\": \"NESW\",\n"
              "  \"unit\": \"Centimeter\",\n"
              "  \"decimals\": 1,\n"
              "  \"lastPointNumber\": 12,\n"
              "  \"points\": 2,\n"
              "  \"polylines\": 1,\n"
              "  \"images\": 1,\n"
              "  \"extents\": {\"xmin\": -4, \"xmax\": 3, \"ymin\": -1, \"ymax\": 2.5},\n"
              "  \"incident\": {\"date\": \"01/02/2023\", \"hour\": \"00:00\", \"place\": "
              "\"Straße 5\"}\n"
              "}\n");
    CaseData empty;
    saveCaseFile(cli.dir / "empty.zvr", empty, true);
    EXPECT_NE(cli.run({"info", "--json", cli.at("empty.zvr")}).out.find("\"extents\": null"),
              std::string::npos);
    EXPECT_NE(cli.run({"info", cli.at("empty.zvr")}).out.find("Extents: none\n"),
              std::string::npos);
}

TEST(CliResave, SameBytesAsOpenThenSaveWithTheImageOption) {
    Cli cli;
    saveCaseFile(cli.dir / "awkward.zvr", awkwardCase(), true);
    for (const bool saveImages : {true, false}) {
        ProgramOptions o;
        o.saveImages = saveImages;
        write(cli.home / kProgramOptionsFileName, serialiseProgramOptions(o));
        for (const fs::path& in : {kJunction, kIndoor, cli.dir / "awkward.zvr"}) {
            const Result r = cli.run({"resave", in.string(), cli.at("out.zvr")});
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(bytesOf(cli.dir / "out.zvr"), serialiseCase(opened(in)->state(), saveImages))
                << in;
            const bool dropped = !saveImages && in == cli.dir / "awkward.zvr";
            EXPECT_EQ(r.err, dropped ? "zorvane-cli: 1 image left out: the program option \"Save "
                                       "images within ZVR file.\" is off.\n"
                                     : "");
        }
    }
    // The examples were saved by the program's core: a resave changes nothing.
    cli.run({"resave", kIndoor.string(), cli.at("same.zvr"), "--program-options",
             (kExamples / "indoor-scene" / "options" / "progop.ini").string()});
    EXPECT_EQ(bytesOf(cli.dir / "same.zvr"), bytesOf(kIndoor));
}

TEST(CliExportDxf, SameDrawingAsCreateDxfFile) {
    Cli cli;
    DxfExportOptions own;
    own.pointLayer = "PUNKTE";
    own.exportDescriptors = false;
    saveDxfOptions(cli.home / kDxfOptionsFileName, own);
    DxfExportOptions flat;
    flat.points3D = flat.polylines3D = false;
    flat.numberHeight = 0.4;
    saveDxfOptions(cli.dir / "flat.ini", flat);
    const struct {
        std::vector<std::string> extra;
        DxfExportOptions options;
    } cases[] = {{{}, own}, {{"--options", cli.at("flat.ini")}, flat}};
    for (const fs::path& in : {kJunction, kIndoor})
        for (const auto& c : cases) {
            std::vector<std::string> args = {"export-dxf", in.string(), cli.at("out.dxf")};
            args.insert(args.end(), c.extra.begin(), c.extra.end());
            const Result r = cli.run(args);
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_TRUE(r.err.empty()) << r.err;
            exportDxf(opened(in)->state(), c.options, cli.dir / "ref.dxf");
            EXPECT_EQ(bytesOf(cli.dir / "out.dxf"), bytesOf(cli.dir / "ref.dxf")) << in;
        }
    // Without any options file the defaults are used, and the user is told.
    fs::remove(cli.home / kDxfOptionsFileName);
    const Result r = cli.run({"export-dxf", kJunction.string(), cli.at("out.dxf")});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("the default DXF export options are used"), std::string::npos) << r.err;
}

TEST(CliExportCoords, EveryKindAsTheExportMenuWritesIt) {
    Cli cli;
    ExportOptions noCode;
    noCode.exportCode = false;
    noCode.in3D = false;
    write(cli.dir / "nocode.ini", serialiseExportOptions(noCode));
    write(cli.home / kExportOptionsFileName, serialiseExportOptions(ExportOptions{}));
    const std::pair<const char*, CaseMode> kinds[] = {
        {"xyz", CaseMode::Xyz}, {"POLAR", CaseMode::Polar}, {"nesw", CaseMode::Nesw}};
    for (const fs::path& in : {kJunction, kIndoor})
        for (const auto& [kind, mode] : kinds)
            for (const bool named : {false, true}) {
                std::vector<std::string> args = {"export-coords", kind, in.string(),
                                                 cli.at("out.txt")};
                if (named) args.insert(args.end(), {"--options", cli.at("nocode.ini")});
                const Result r = cli.run(args);
                EXPECT_EQ(r.status, 0) << r.err;
                const auto doc = opened(in);
                const CaseState& s = doc->state();
                exportCoordinates(cli.dir / "ref.txt", s.points, s.mode, mode,
                                  named ? noCode : ExportOptions{}, s.units.decimals, '.');
                EXPECT_EQ(textOf(cli.dir / "out.txt"), textOf(cli.dir / "ref.txt")) << in << kind;
            }
}

TEST(CliImportCoords, NewCaseAsImportThenSaveWithTheRejectedLinesListed) {
    Cli cli;
    write(cli.dir / "site.txt", "101, 12.50, 4.25, 0.10, Kerb\r\n"
                                "102, 13.75, 4.40, 0.12, Drain\r\n"
                                "this is not a point\r\n"
                                "\r\n"
                                "104, x, 1, 2, Bad value\r\n"
                                "105, 20.00, -3.00, 0.00, Sign\r\n");
    ProgramOptions program;
    program.defaultUnit = kDecimalFeet;
    program.defaultDecimals = 3;
    write(cli.home / kProgramOptionsFileName, serialiseProgramOptions(program));
    const Result r = cli.run({"import-coords", "xyz", cli.at("site.txt"), cli.at("site.zvr")});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("2 lines were not imported"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("\n3. this is not a point\n5. 104, x, 1, 2, Bad value\n"),
              std::string::npos)
        << r.err;

    auto imported =
        importCoordinateFile(cli.dir / "site.txt", CaseMode::Xyz, ImportOptions{}, program, '.');
    ASSERT_TRUE(imported);
    CaseDocument doc('.');
    doc.setSurfaceSize(1024, 768);
    doc.importCase(std::move(*imported), program, "14/11/2023"); // the day of SOURCE_DATE_EPOCH
    EXPECT_EQ(bytesOf(cli.dir / "site.zvr"), serialiseCase(doc.state(), program.saveImages));
    EXPECT_EQ(doc.state().units.unit, kDecimalFeet);
}

// The toggles and label height the drawing window starts with under these options.
void showAsAtStart(CaseDocument& doc, const ProgramOptions& o) {
    doc.setToggles({o.showPoints, o.showNumbers, o.showDescriptions, o.onlyMarked, o.showPolylines,
                    o.showNorthArrow});
    doc.setLabelHeight(o.labelHeight);
}

TEST(CliRender, PictureIsThePlanAfterZoomAll) {
    Cli cli;
    for (const fs::path& in : {kJunction, kIndoor}) {
        const fs::path options = in.parent_path() / "options" / "progop.ini";
        const Result r = cli.run({"render", in.string(), cli.at("plan.png"), "--width", "640",
                                  "--height", "400", "--program-options", options.string()});
        ASSERT_EQ(r.status, 0) << r.err;
        auto doc = opened(in, 640, 400);
        showAsAtStart(*doc, loadProgramOptions(options).options);
        QImage expected(640, 400, QImage::Format_RGB32);
        {
            ui::QtCanvas canvas(expected);
            doc->redraw(canvas);
        }
        const QImage drawn(QString::fromStdString(cli.at("plan.png")));
        EXPECT_EQ(drawn.size(), QSize(640, 400));
        EXPECT_TRUE(drawn.convertToFormat(QImage::Format_RGB32) == expected) << in;
    }
}

TEST(CliRender, ExhibitsAreTheWritersBytes) {
    Cli cli;
    const fs::path options = kJunction.parent_path() / "options" / "progop.ini";
    auto doc = opened(kJunction);
    showAsAtStart(*doc, loadProgramOptions(options).options);
    const CaseState& s = doc->state();
    const ExhibitSettings fitted{
        fittingScale(s, viewCentre(s, doc->view()), Paper::A4, fittingOrientation(s)), Paper::A4,
        fittingOrientation(s), '.'};
    const struct {
        std::vector<std::string> extra;
        const char* file;
        ExhibitSettings settings;
        ui::ExhibitFormat format;
    } cases[] = {
        {{"--scale", "1:500", "--paper", "letter", "--orientation", "portrait"},
         "e.pdf",
         {500, Paper::Letter, Orientation::Portrait, '.'},
         ui::ExhibitFormat::Pdf},
        {{"--scale=250", "--paper=A3"},
         "e.svg",
         {250, Paper::A3, fittingOrientation(s), '.'},
         ui::ExhibitFormat::Svg},
        {{}, "fitted.pdf", fitted, ui::ExhibitFormat::Pdf},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"render", kJunction.string(), cli.at(c.file),
                                         "--program-options", options.string()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Result r = cli.run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const QByteArray expected =
            ui::renderExhibit(s, doc->view(), c.settings, c.format, std::stoll(kEpoch)).bytes;
        const Bytes written = bytesOf(cli.dir / c.file);
        EXPECT_EQ(written, Bytes(expected.begin(), expected.end())) << c.file;
    }
    EXPECT_EQ(fitted.scale, 250); // 46 x 30.5 m on A4 landscape
}

} // namespace
} // namespace zorvane
