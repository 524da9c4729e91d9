#include "files/AtomicFile.h"
#include "files/ProgramOptionsFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <vector>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const ProgramOptions& o) {
    const auto a = serialiseProgramOptions(o);
    return Bytes(a.begin(), a.end());
}

void writeRaw(const fs::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes readRaw(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Every field cleared, so that one set field shows where it lands.
ProgramOptions cleared() {
    ProgramOptions o;
    o.defaultDecimals = o.firstPointNumber = o.labelHeight = 0;
    o.saveImages = o.rememberWindows = o.showNumbers = o.showPolylines = false;
    o.mainWindow = o.drawingWindow = o.polylinesWindow = o.imagesWindow = {};
    return o;
}

TEST(ProgramOptionsFile, EachFieldAtItsOffset) {
    const struct {
        const char* field;
        std::function<void(ProgramOptions&)> set;
        std::size_t offset;
        Bytes bytes;
    } cases[] = {
        {"Feet & Inches", [](auto& o) { o.defaultUnit = 5; }, 0, {5, 0, 0, 0}},
        {"Millimeter", [](auto& o) { o.defaultUnit = 2; }, 0, {2, 0, 0, 0}},
        {"decimals", [](auto& o) { o.defaultDecimals = 4; }, 4, {4, 0, 0, 0}},
        {"first point", [](auto& o) { o.firstPointNumber = -2; }, 8, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"save images", [](auto& o) { o.saveImages = true; }, 12, {1}},
        {"remember", [](auto& o) { o.rememberWindows = true; }, 13, {1}},
        {"compact", [](auto& o) { o.compactMode = true; }, 16, {1}},
        {"main window",
         [](auto& o) {
             o.mainWindow = {0x0102, -1, 720, 292};
         },
         20,
         {2, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xD0, 2, 0, 0, 0x24, 1, 0, 0}},
        {"drawing visible", [](auto& o) { o.drawingVisible = true; }, 36, {1}},
        {"drawing maximised",
         [](auto& o) {
             o.drawingWindow = {kMaximisedLeft, 3, 4, 5};
         },
         40,
         {0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0}},
        {"polylines visible", [](auto& o) { o.polylinesVisible = true; }, 56, {1}},
        {"polylines window",
         [](auto& o) {
             o.polylinesWindow = {6, 7, 8, 9};
         },
         60,
         {6, 0, 0, 0, 7, 0, 0, 0, 8, 0, 0, 0, 9, 0, 0, 0}},
        {"images visible", [](auto& o) { o.imagesVisible = true; }, 76, {1}},
        {"images window",
         [](auto& o) {
             o.imagesWindow = {10, 11, 188, 260};
         },
         80,
         {10, 0, 0, 0, 11, 0, 0, 0, 188, 0, 0, 0, 4, 1, 0, 0}},
        {"shownum", [](auto& o) { o.showNumbers = true; }, 136, {1}},
        {"showdesc", [](auto& o) { o.showDescriptions = true; }, 137, {1}},
        {"onlym", [](auto& o) { o.onlyMarked = true; }, 138, {1}},
        {"showpl", [](auto& o) { o.showPolylines = true; }, 139, {1}},
        {"showpoints", [](auto& o) { o.showPoints = true; }, 140, {1}},
        {"httxt", [](auto& o) { o.labelHeight = 12; }, 144, {12, 0, 0, 0}},
        {"auto zoom all", [](auto& o) { o.autoZoomAllInReports = true; }, 148, {1}},
        {"shnord", [](auto& o) { o.showNorthArrow = true; }, 149, {1}},
    };
    const Bytes zero(kProgramOptionsSize, 0);
    ASSERT_EQ(bytesOf(cleared()), zero);
    for (const auto& c : cases) {
        ProgramOptions o = cleared();
        c.set(o);
        Bytes expected = zero;
        std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + c.offset);
        EXPECT_EQ(bytesOf(o), expected) << c.field;
        EXPECT_EQ(parseProgramOptions(expected), o) << c.field;
    }
}

ProgramOptions everythingSet() {
    ProgramOptions o;
    o.defaultUnit = 5;
    o.defaultDecimals = 4;
    o.firstPointNumber = std::numeric_limits<std::int32_t>::max();
    o.saveImages = o.rememberWindows = o.compactMode = o.drawingVisible = true;
    o.polylinesVisible = o.imagesVisible = o.showNumbers = o.showDescriptions = true;
    o.onlyMarked = o.showPolylines = o.showPoints = o.autoZoomAllInReports = true;
    o.showNorthArrow = true;
    o.mainWindow = {-1, -2, -3, -4};
    o.drawingWindow = {-5, -6, -7, -8};
    o.polylinesWindow = {-9, -10, -11, -12};
    o.imagesWindow = {-13, -14, -15, -16};
    o.labelHeight = -1;
    return o;
}

TEST(ProgramOptionsFile, ReservedBytesStayZeroAndAreIgnoredWhenRead) {
    const Bytes bytes = bytesOf(everythingSet());
    const std::pair<std::size_t, std::size_t> reserved[] = {{14, 2}, {17, 3},  {37, 3},  {57, 3},
                                                            {77, 3}, {96, 40}, {141, 3}, {150, 2}};
    Bytes dirty = bytes;
    for (auto [at, n] : reserved)
        for (std::size_t i = at; i < at + n; ++i) {
            EXPECT_EQ(bytes[i], 0) << "byte " << i;
            dirty[i] = 0xA5;
        }
    EXPECT_EQ(parseProgramOptions(bytes), everythingSet());
    EXPECT_EQ(parseProgramOptions(dirty), everythingSet());
    // A flag byte other than 0 or 1 counts as set.
    Bytes two = bytesOf(cleared());
    two[12] = 2;
    EXPECT_TRUE(parseProgramOptions(two).saveImages);
}

TEST(ProgramOptionsFile, SavedOptionsComeBackAndTheFolderIsMade) {
    testing::TempDir dir;
    const fs::path path = dir / "user/config/progop.ini";
    saveProgramOptions(path, everythingSet());
    EXPECT_EQ(readRaw(path), bytesOf(everythingSet()));
    const OptionFileLoad<ProgramOptions> load = loadProgramOptions(path);
    EXPECT_FALSE(load.wasReset()) << load.resetMessage;
    EXPECT_EQ(load.options, everythingSet());
}

TEST(ProgramOptionsFile, AnUnusableFileGivesTheDefaultsAndSaysWhy) {
    testing::TempDir dir;
    const fs::path path = dir / "progop.ini";
    const auto withInt = [](std::size_t at, std::int32_t v) {
        Bytes b = bytesOf(ProgramOptions{});
        for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(std::uint32_t(v) >> (8 * i));
        return b;
    };
    const struct {
        const char* what;
        std::function<void()> make;
        std::string reason;
    } cases[] = {
        {"missing", [] {}, "it does not exist"},
        {"empty", [&] { writeRaw(path, {}); }, "it holds 0 bytes instead of 152"},
        {"short", [&] { writeRaw(path, Bytes(100, 0)); }, "it holds 100 bytes instead of 152"},
        {"folder", [&] { fs::create_directory(path); }, "it is a folder"},
        {"unit 6", [&] { writeRaw(path, withInt(0, 6)); },
         "its default unit 6 is not between 0 and 5"},
        {"unit -1", [&] { writeRaw(path, withInt(0, -1)); },
         "its default unit -1 is not between 0 and 5"},
        {"decimals 5", [&] { writeRaw(path, withInt(4, 5)); },
         "its number of decimals 5 is not between 0 and 4"},
        {"first point",
         [&] { writeRaw(path, withInt(8, std::numeric_limits<std::int32_t>::min())); },
         "its first point number -2147483648 is out of range"},
    };
    for (const auto& c : cases) {
        fs::remove_all(path);
        c.make();
        const OptionFileLoad<ProgramOptions> load = loadProgramOptions(path);
        EXPECT_EQ(load.options, ProgramOptions{}) << c.what;
        EXPECT_EQ(load.resetMessage, "The program options file \"" + path.string() +
                                         "\" could not be used (" + c.reason +
                                         "); the default program options are used.");
    }
}

TEST(ProgramOptionsFile, AFailedSaveSaysWhereAndWhy) {
    testing::TempDir dir;
    std::ofstream(dir / "plain") << "x";
    fs::create_directory(dir / "progop.ini");
    const struct {
        fs::path path;
        std::string reason;
    } cases[] = {
        {dir / "plain/progop.ini", "cannot create the folder \"" + (dir / "plain").string()},
        {dir / "progop.ini", "a folder has that name"},
    };
    for (const auto& c : cases) {
        try {
            saveProgramOptions(c.path, ProgramOptions{});
            ADD_FAILURE() << c.path << " was saved";
        } catch (const FileWriteError& e) {
            const std::string expected = "Could not save \"" + c.path.string() + "\": " + c.reason;
            EXPECT_EQ(std::string(e.what()).substr(0, expected.size()), expected);
        }
    }
    EXPECT_TRUE(fs::is_directory(dir / "progop.ini"));
}

} // namespace
} // namespace zorvane
