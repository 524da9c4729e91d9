// qkrdxfop.ini byte for byte, and what reading does with a file that is not one.
#include "files/AtomicFile.h"
#include "files/DxfOptionsFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing::TempDir;

// The layout written out by hand, offset by offset.
void put32(Bytes& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<std::uint8_t>(std::uint32_t(v) >> (8 * i));
}
void put64(Bytes& b, std::size_t at, double d) {
    const auto v = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}
void putText(Bytes& b, std::size_t at, std::string_view s) {
    b.at(at) = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

DxfExportOptions sample() {
    DxfExportOptions o;
    o.exportPoints = false, o.pointLayer = std::string(40, 'P'), o.pointColour = 255;
    o.points3D = true, o.pointColourName = "Color 255";
    o.exportNumbers = true, o.numberLayer = "Numbers", o.numberColour = 1;
    o.numberHeight = 0.35, o.numberColourName = "Red";
    o.exportDescriptors = false, o.descriptorLayer = "", o.descriptorColour = 9;
    o.descriptorHeight = -2.5, o.descriptorColourName = "Light Grey";
    o.exportPolylines = true, o.polylineLayer = "Lignes \xE9", o.polylineColour = 42;
    o.polylines3D = false, o.polylineColourName = "Color 42";
    return o;
}

Bytes sampleBytes() {
    Bytes b(224, 0);
    b[0] = 0;
    putText(b, 1, std::string(31, 'P')); // cut to 31 when stored
    put32(b, 36, 255);
    b[40] = 1;
    putText(b, 41, "Color 255");
    b[52] = 1;
    putText(b, 53, "Numbers");
    put32(b, 88, 1);
    put64(b, 96, 0.35);
    putText(b, 104, "Red");
    b[115] = 0;
    putText(b, 116, "");
    put32(b, 148, 9);
    put64(b, 152, -2.5);
    putText(b, 160, "Light Grey");
    b[171] = 1;
    putText(b, 172, "Lignes \xE9");
    put32(b, 204, 42);
    b[208] = 0;
    putText(b, 209, "Color 42");
    return b;
}

Bytes readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, const Bytes& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST(DxfOptionsFile, LayoutByteForByte) {
    const auto bytes = serialiseDxfOptions(sample());
    EXPECT_EQ(sampleBytes(), Bytes(bytes.begin(), bytes.end()));
    const auto read = parseDxfOptions(sampleBytes());
    ASSERT_TRUE(read);
    EXPECT_EQ(sample(), *read);
    EXPECT_EQ(std::string(31, 'P'), read->pointLayer.str());
}

TEST(DxfOptionsFile, DefaultsAreAValidRecord) {
    const DxfExportOptions defaults;
    const auto bytes = serialiseDxfOptions(defaults);
    std::string problem;
    const auto read = parseDxfOptions(bytes, &problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(defaults, *read);
}

TEST(DxfOptionsFile, SavedAndLoadedThroughTheFile) {
    TempDir dir;
    const fs::path file = dxfOptionsPath(dir.path());
    EXPECT_EQ("qkrdxfop.ini", file.filename());
    saveDxfOptions(file, sample());
    EXPECT_EQ(sampleBytes(), readFile(file));
    const auto load = loadDxfOptions(file);
    EXPECT_EQ("", load.resetMessage);
    EXPECT_EQ(sample(), load.options);

    // Bytes after the record are not read.
    Bytes longer = sampleBytes();
    longer.resize(300, 0xAB);
    writeFile(file, longer);
    EXPECT_EQ(sample(), loadDxfOptions(file).options);

    // A failed save keeps the earlier file.
    fs::create_directory(dir / "folder");
    EXPECT_THROW(saveDxfOptions(dir / "folder", DxfExportOptions{}), FileWriteError);
}

TEST(DxfOptionsFile, ADamagedFileGivesTheDefaultsAndSaysWhy) {
    const struct {
        const char* damage;
        void (*apply)(Bytes&);
        const char* why;
    } cases[] = {
        {"short", [](Bytes& b) { b.resize(223); }, "holds 223 bytes instead of 224"},
        {"empty", [](Bytes& b) { b.clear(); }, "holds 0 bytes"},
        {"flag 2", [](Bytes& b) { b[171] = 2; }, "\"Export Polyline\" is neither 0 nor 1"},
        {"3D flag", [](Bytes& b) { b[40] = 0xFF; }, "\"In 3D\""},
        {"layer of 32", [](Bytes& b) { b[53] = 32; }, "number layer name is longer than 31"},
        {"name of 11", [](Bytes& b) { b[209] = 11; }, "polyline colour name is longer than 10"},
        {"colour 0", [](Bytes& b) { put32(b, 36, 0); }, "point layer colour is not a colour"},
        {"colour 256", [](Bytes& b) { put32(b, 204, 256); }, "polyline layer colour"},
        {"colour -1", [](Bytes& b) { put32(b, 148, -1); }, "description layer colour"},
        {"NaN height", [](Bytes& b) { put64(b, 96, std::numeric_limits<double>::quiet_NaN()); },
         "number text height is not a number"},
        {"infinite height",
         [](Bytes& b) { put64(b, 152, std::numeric_limits<double>::infinity()); },
         "description text height is not a number"},
    };
    TempDir dir;
    const fs::path file = dir / "qkrdxfop.ini";
    for (const auto& c : cases) {
        Bytes bytes = sampleBytes();
        c.apply(bytes);
        writeFile(file, bytes);
        const auto load = loadDxfOptions(file);
        EXPECT_EQ(DxfExportOptions{}, load.options) << c.damage;
        EXPECT_NE(std::string::npos, load.resetMessage.find(c.why)) << load.resetMessage;
        EXPECT_NE(std::string::npos, load.resetMessage.find(file.string())) << c.damage;
        EXPECT_NE(std::string::npos,
                  load.resetMessage.find("the default DXF export options are used."));
    }
    // Padding and the bytes after a text are not judged.
    Bytes padded = sampleBytes();
    padded[33] = padded[92] = padded[220] = 0x5A;
    padded[61] = 'x'; // after "Numbers"
    writeFile(file, padded);
    EXPECT_EQ(sample(), loadDxfOptions(file).options);
}

TEST(DxfOptionsFile, AMissingOrUnreadableFileGivesTheDefaults) {
    TempDir dir;
    fs::create_directory(dir / "qkrdxfop.ini.d");
    const struct {
        fs::path file;
        const char* why;
    } cases[] = {
        {dir / "qkrdxfop.ini", "it does not exist"},
        {dir / "missing" / "qkrdxfop.ini", "it does not exist"},
        {dir / "qkrdxfop.ini.d", "it is a folder"},
    };
    for (const auto& c : cases) {
        const auto load = loadDxfOptions(c.file);
        EXPECT_EQ(DxfExportOptions{}, load.options);
        EXPECT_EQ("The DXF export options file \"" + c.file.string() + "\" could not be used (" +
                      c.why + "); the default DXF export options are used.",
                  load.resetMessage);
    }
}

TEST(DxfOptionsFile, TextHeightsAreShownWithTwoDecimals) {
    const struct {
        const char* typed;
        char separator;
        const char* shown;
    } cases[] = {
        {"2", '.', "2.00"},     {"2.5", '.', "2.50"},   {"1.456", '.', "1.46"},
        {"1.455", '.', "1.46"}, {" 0.1 ", '.', "0.10"}, {"-3", '.', "-3.00"},
        {"1e2", '.', "100.00"}, {"abc", '.', "1.00"},   {"", '.', "1.00"},
        {"2,5", '.', "1.00"},   {"2,5", ',', "2,50"},   {"abc", ',', "1,00"},
        {"inf", '.', "1.00"},   {"2.5x", '.', "1.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.shown, normaliseTextHeight(c.typed, c.separator)) << c.typed;
        const std::string again = normaliseTextHeight(c.shown, c.separator);
        EXPECT_EQ(c.shown, again) << "a shown height reads back as itself";
    }
    EXPECT_EQ(2.5, parseTextHeight("2,5", ','));
    EXPECT_FALSE(parseTextHeight("2.5.", '.'));
    EXPECT_EQ("'2.5x' is not a valid floating point value", invalidFloatMessage("2.5x"));
}

} // namespace
} // namespace zorvane
