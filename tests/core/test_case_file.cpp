#include "case/CaseFileApply.h"
#include "files/CaseFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace zorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::string_view_literals;

// An independent view of the layout: explicit offsets from the record tables, little-endian
// by hand.
void put32(Bytes& b, std::size_t at, std::int64_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}
void put64(Bytes& b, std::size_t at, double d) {
    const auto v = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}
void putText(Bytes& b, std::size_t at, std::string_view s) {
    b.at(at) = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

CaseState sampleCase(CaseMode mode) {
    CaseState d;
    d.started = true, d.mode = mode, d.lastPointNumber = 12, d.units = {kFeetInches, 3};
    d.caseName = "Crossing A7 / B12";
    d.caseDescription = "Two cars, one cyclist";
    d.points = {{5, 1.5, -2.25, 0.125, "TR"sv, "Tree"sv, 0x0000FF},
                {3, 90, 10, -1, ""sv, "tree"sv, 0},
                {12, 0, 0, 7.5, "CAR1"sv, "Car \xE9"sv, 0xFF00FF, 3.25, 101.5}};
    d.polylines = {{"Road"sv, "kerb line"sv, 2, 1, "5,3,12"sv}, {"arc1"sv, ""sv, 0, 4, "5-12"sv}};
    d.images.add(Bytes{0xFF, 0xD8, 0x01, 0x02, 0xFF, 0xD9});
    d.images.add(Bytes{0x42, 0x00, 0x43});
    d.legend = {{"Scale 1:100"sv, ""sv, "North up"sv},
                "Arial"sv,
                -13,
                kBold | kItalic,
                0x123456,
                40,
                -20,
                false,
                true};
    d.incident = {"12/03/2024"sv, "14:30"sv,  "Main Street"sv,
                  "J. Doe"sv,     "R. Roe"sv, "Line one\r\nLine two"sv};
    return d;
}

Bytes expectedFile(const CaseState& d, bool withImages) {
    const std::size_t P = d.points.size(), L = d.polylines.size();
    const std::size_t K = withImages ? d.images.count() : 0;
    const std::size_t imageBytes = withImages ? d.images.buffer().size() : 0;
    Bytes b(180 + 576 + 4 + 120 * P + 4 + 336 * L + 4 + imageBytes + 4 + 588, 0);

    putText(b, 0, "1.0");
    putText(b, 6, d.caseName.substr(0, 50));
    put32(b, 60, d.lastPointNumber);
    put32(b, 64, static_cast<int>(d.mode));
    putText(b, 68, d.caseDescription.substr(0, 100));
    put32(b, 172, d.units.unit);
    put32(b, 176, d.units.decimals);
    const auto& inc = d.incident;
    for (auto [at, text] : {std::pair{0, inc.date.view()},
                            {11, inc.hour.view()},
                            {17, inc.place.view()},
                            {118, inc.name1.view()},
                            {219, inc.name2.view()},
                            {320, inc.circumstances.view()}})
        putText(b, 180 + static_cast<std::size_t>(at), text);

    put32(b, 756, static_cast<std::int64_t>(P));
    for (std::size_t i = 0; i < P; ++i) {
        const auto& p = d.points[i];
        const std::size_t at = 760 + 120 * i;
        put32(b, at + 0, p.number);
        put64(b, at + 8, p.m1), put64(b, at + 16, p.m2), put64(b, at + 24, p.m3);
        putText(b, at + 32, p.code.view());
        putText(b, at + 43, p.descriptor.view());
        put32(b, at + 96, p.markColour);
        put64(b, at + 104, p.m4), put64(b, at + 112, p.m5);
    }
    const std::size_t pls = 760 + 120 * P;
    put32(b, pls, static_cast<std::int64_t>(L));
    for (std::size_t i = 0; i < L; ++i) {
        const auto& l = d.polylines[i];
        const std::size_t at = pls + 4 + 336 * i;
        putText(b, at + 0, l.name.view());
        putText(b, at + 11, l.description.view());
        put32(b, at + 64, l.colourIndex);
        put32(b, at + 68, l.widthIndex);
        putText(b, at + 80, l.pointsText.view());
    }
    std::size_t at = pls + 4 + 336 * L;
    put32(b, at, static_cast<std::int64_t>(K));
    at += 4;
    for (std::size_t k = 0; k < K; ++k) {
        const auto image = d.images.image(k);
        put32(b, at, static_cast<std::int64_t>(image.size()));
        std::copy(image.begin(), image.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 4));
        at += 4 + image.size();
    }
    put32(b, at, -999);
    const std::size_t leg = at + 4;
    for (std::size_t k = 0; k < 10; ++k) putText(b, leg + 51 * k, d.legend.lines[k].view());
    putText(b, leg + 510, d.legend.fontName.view());
    put32(b, leg + 564, d.legend.fontHeight);
    b.at(leg + 568) = d.legend.fontStyle;
    put32(b, leg + 572, d.legend.fontColour);
    put32(b, leg + 576, d.legend.left);
    put32(b, leg + 580, d.legend.top);
    b.at(leg + 584) = d.legend.boxed;
    b.at(leg + 585) = d.legend.visible;
    return b;
}

// Where the image section ends and the optional trailer starts.
std::size_t endOfImages(const CaseState& d) {
    return 760 + 120 * d.points.size() + 4 + 336 * d.polylines.size() + 4 +
           d.images.buffer().size();
}

Bytes prefix(const Bytes& b, std::size_t n) {
    return Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n));
}

CaseState opened(const Bytes& bytes) {
    CaseState d;
    applyCaseFile(d, parseCaseFile(bytes));
    return d;
}

std::string parseError(const Bytes& bytes) {
    try {
        parseCaseFile(bytes);
    } catch (const CaseFileError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(CaseFileWrite, MatchesTheLayoutFieldByFieldInEveryMode) {
    for (CaseMode mode : {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw}) {
        const CaseState d = sampleCase(mode);
        for (bool withImages : {true, false}) {
            const Bytes actual = serialiseCase(d, withImages),
                        expected = expectedFile(d, withImages);
            ASSERT_EQ(actual.size(), expected.size());
            const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin()).first;
            EXPECT_EQ(diff, actual.end()) << "mode " << int(mode) << ", images " << withImages
                                          << ": first difference at byte " << diff - actual.begin();
            EXPECT_EQ(caseFileSize(d, withImages), actual.size());
        }
    }
    const Bytes b = serialiseCase(sampleCase(CaseMode::Xyz), true);
    EXPECT_EQ(prefix(b, 6), (Bytes{0x03, 0x31, 0x2E, 0x30, 0, 0}));
    EXPECT_EQ(Bytes(b.end() - 592, b.end() - 588), (Bytes{0x19, 0xFC, 0xFF, 0xFF}));
}

TEST(CaseFileWrite, EmptyCaseIs1360BytesAndLongTextsAreCut) {
    CaseState d;
    d.caseName = std::string(60, 'n');
    d.caseDescription = std::string(120, 'd');
    const Bytes b = serialiseCase(d, true);
    EXPECT_EQ(b.size(), 1360u);
    EXPECT_EQ(b, expectedFile(d, true));
    const CaseState back = opened(b);
    EXPECT_EQ(back.caseName, std::string(50, 'n'));
    EXPECT_EQ(back.caseDescription, std::string(100, 'd'));
}

TEST(CaseFileRoundTrip, OpenThenSaveGivesTheSameCaseAndBytes) {
    for (CaseMode mode : {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw}) {
        const CaseState d = sampleCase(mode);
        const Bytes first = serialiseCase(d, true);
        const CaseFileContents c = parseCaseFile(first);
        EXPECT_EQ(c.points, d.points);
        EXPECT_EQ(c.polylines, d.polylines);
        EXPECT_EQ(c.images, d.images);
        EXPECT_EQ(c.incident, d.incident);
        EXPECT_EQ(c.legend, d.legend);
        EXPECT_EQ(serialiseCase(opened(first), true), first) << "mode " << int(mode);
    }
    // Images off: none in the file, still in the case.
    const CaseState d = sampleCase(CaseMode::Polar);
    EXPECT_EQ(serialiseCase(d, false).size(), serialiseCase(d, true).size() - (4 + 6) - (4 + 3));
    EXPECT_EQ(d.images.count(), 2u);
    EXPECT_TRUE(opened(serialiseCase(d, false)).images.empty());
}

TEST(CaseFileOpen, ReplacesTheCaseAndBuildsItsState) {
    CaseState d = sampleCase(CaseMode::Nesw);
    d.units = {9, 7}; // out of range: clamped when opened
    CaseState target = sampleCase(CaseMode::Xyz);
    target.started = false;
    target.descriptors = {"old"};
    applyCaseFile(target, parseCaseFile(serialiseCase(d, true)));

    EXPECT_EQ(target.mode, CaseMode::Nesw);
    EXPECT_EQ(target.units, (UnitSettings{kMeter, 4}));
    EXPECT_EQ(target.descriptors, (std::vector<std::string>{"Tree", "Car \xE9"}));
    ASSERT_EQ(target.screen.size(), 3u);
    EXPECT_EQ(target.screen[2], (ScreenPos{-3.25, 7.5})); // East 0 -> -West, North 0 -> -South
    EXPECT_EQ(target.grid.selectedRow, 4);                // the new-point row
    EXPECT_TRUE(target.started);
    EXPECT_EQ(target.lastPointNumber, 12);

    for (auto [stored, mode] : {std::pair{0, CaseMode::Xyz},
                                {1, CaseMode::Polar},
                                {2, CaseMode::Nesw},
                                {7, CaseMode::Nesw},
                                {-1, CaseMode::Nesw}}) {
        Bytes b = serialiseCase(CaseState{}, true);
        put32(b, 64, stored);
        EXPECT_EQ(opened(b).mode, mode) << stored;
    }
}

TEST(CaseFileOpen, DescriptionListIgnoresLetterCaseInFileOrder) {
    using List = std::vector<std::string>;
    const std::pair<List, List> cases[] = {
        {{"", "Tree", "", "TREE", "car"}, {"", "Tree", "car"}},
        {{"Kerb", "Kerb", "kerb", "Pole", "KERB"}, {"Kerb", "Pole"}},
        {{"\xC9"
          "cole",
          "\xE9"
          "cole",
          "Ecole"},
         {"\xC9"
          "cole",
          "Ecole"}}, // accents fold, stay
        {{}, {}},
    };
    for (const auto& [descriptors, expected] : cases) {
        CaseState d;
        for (const auto& text : descriptors)
            d.points.push_back({1, 0, 0, 0, ""sv, std::string_view(text), 0});
        EXPECT_EQ(opened(serialiseCase(d, true)).descriptors, expected);
    }
}

TEST(CaseFileOpen, TrailerIsOptionalAndACutOneResetsTheLegendWithANote) {
    const CaseState d = sampleCase(CaseMode::Xyz);
    const Bytes full = serialiseCase(d, true), noTrailer = prefix(full, endOfImages(d));
    Bytes otherValue = noTrailer, extraAfterLegend = full;
    otherValue.insert(otherValue.end(), {0x00, 0x01, 0x02, 0x03, 0x04, 0x05});
    extraAfterLegend.push_back(0xAA);
    LegendRecord fallback;
    fallback.fontName = "Liberation Sans"sv;
    const std::pair<Bytes, std::string> cases[] = {
        {noTrailer, ""},
        {otherValue, ""},
        {prefix(full, endOfImages(d) + 2), kLegendResetNote}, // inside the marker
        {prefix(full, full.size() - 1), kLegendResetNote},    // inside the legend
        {prefix(full, endOfImages(d) + 4), kLegendResetNote}, // the marker alone
    };
    for (const auto& [bytes, note] : cases) {
        CaseFileContents c = parseCaseFile(bytes);
        EXPECT_EQ(c.note, note) << bytes.size();
        CaseState target;
        applyCaseFile(target, std::move(c), fallback);
        EXPECT_EQ(target.legend, fallback);
        EXPECT_EQ(target.points, d.points);
        EXPECT_EQ(target.images, d.images);
    }
    EXPECT_EQ(opened(noTrailer).legend, LegendRecord{});
    EXPECT_EQ(opened(extraAfterLegend).legend, d.legend);
}

TEST(CaseFileOpen, RejectsWhatIsNotACaseFile) {
    Bytes wrongVersion = serialiseCase(CaseState{}, true), wrongLength = wrongVersion;
    wrongVersion[3] = '1';
    wrongLength[0] = 4;
    for (const Bytes& b :
         {Bytes{}, Bytes{0x03, '1', '.'}, wrongVersion, wrongLength, Bytes(2000, 'x')})
        EXPECT_EQ(parseError(b), "This is not a Zorvane 1.0 file.");
}

TEST(CaseFileOpen, DamagedCountsAndLengthsAreRefusedWithAReason) {
    const Bytes good = serialiseCase(sampleCase(CaseMode::Xyz), true);
    const std::size_t points = 756, polylines = 760 + 360, images = polylines + 4 + 672;
    const std::tuple<std::size_t, std::int64_t, std::string> cases[] = {
        {points, -1, "its point count is negative (-1)"},
        {points, 0x7FFFFFFF, "it names 2147483647 points but has room for only 13"},
        {polylines, 4, "it names 4 polylines but has room for only 3"},
        {images, 1000, "it names 1000 images but has room for only 152"},
        {images + 4, -0x80000000LL, "image 1 of 2 has a negative length (-2147483648)"},
        {images + 4, 606, "image 1 of 2 runs past the end of the file"}, // 605 bytes are left
    };
    for (const auto& [at, value, message] : cases) {
        Bytes b = good;
        put32(b, at, value);
        EXPECT_EQ(parseError(b), "The case file is damaged: " + message + ".");
    }
    // The count word agrees with its number.
    Bytes one = prefix(serialiseCase(CaseState{}, true), 760 + 4 + 100);
    put32(one, 760, 1);
    EXPECT_EQ(parseError(one),
              "The case file is damaged: it names 1 polyline but has room for only 0.");
}

TEST(CaseFileOpen, ClampsLengthBytesAndIgnoresReservedBytes) {
    const CaseState d = sampleCase(CaseMode::Polar);
    Bytes b = serialiseCase(d, true);
    b[6] = 200;        // case name length byte above 50
    b[760 + 32] = 255; // first point's code length byte above 10
    const CaseFileContents c = parseCaseFile(b);
    EXPECT_EQ(c.caseName.size(), 50u);
    EXPECT_EQ(c.points[0].code.size(), 10u);
    EXPECT_EQ(c.points[1], d.points[1]);

    Bytes reserved = serialiseCase(d, true);
    // Reserved gaps, and bytes after a text (case name, first point's code).
    for (std::size_t at : {4, 5, 40, 57, 59, 169, 171, 764, 800, 854, 855, 860, 1186, 1196, 1200})
        reserved[at] = 0xEE;
    EXPECT_EQ(serialiseCase(opened(reserved), true), serialiseCase(d, true));
}

TEST(CaseFileOpen, EveryTruncationIsRejectedAndLeavesTheOpenCaseAlone) {
    const CaseState sample = sampleCase(CaseMode::Nesw);
    const Bytes full = serialiseCase(sample, true);
    CaseState open = sampleCase(CaseMode::Polar);
    const Bytes before = serialiseCase(open, true);
    // Up to the end of the images every cut is refused; cuts in the trailer open.
    for (std::size_t n = 0; n < endOfImages(sample); ++n) {
        EXPECT_THROW(parseCaseFile(prefix(full, n)), CaseFileError) << n;
        ASSERT_EQ(serialiseCase(open, true), before) << n;
    }
    for (std::size_t n = endOfImages(sample); n < full.size(); ++n)
        EXPECT_NO_THROW(parseCaseFile(prefix(full, n))) << n;
}

// The reader goes through a buffer of 1 MiB: records and an image cross its boundaries here.
TEST(CaseFileDisk, SavesAndLoadsLargeCasesAndRejectsCutOnes) {
    testing::TempDir dir;
    CaseState d = sampleCase(CaseMode::Xyz);
    for (int i = 0; i < 12000; ++i)
        d.points.push_back({100 + i, i * 0.5, -i * 0.25, 1, "C"sv, "Kerb"sv, 0});
    Bytes photo(1'500'000);
    for (std::size_t i = 0; i < photo.size(); ++i) photo[i] = static_cast<std::uint8_t>(i * 7);
    d.images.add(photo);
    const Bytes full = serialiseCase(d, true);
    saveCaseFile(dir / "big.zvr", d, true);
    std::ifstream in(dir / "big.zvr", std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), full);
    const CaseFileContents c = loadCaseFile(dir / "big.zvr");
    EXPECT_EQ(c.points, d.points);
    EXPECT_EQ(c.images, d.images);
    EXPECT_EQ(c.legend, d.legend);

    const std::size_t inPhoto = endOfImages(d) - 1000;
    for (std::size_t n : {std::size_t{1} << 20, (std::size_t{1} << 20) + 17, inPhoto}) {
        std::ofstream(dir / "cut.zvr", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(full.data()), static_cast<std::streamsize>(n));
        EXPECT_THROW(loadCaseFile(dir / "cut.zvr"), CaseFileError) << n;
    }
    // A named pipe would block a plain open for ever: it is refused at once.
    ASSERT_EQ(::mkfifo((dir / "pipe.zvr").c_str(), 0600), 0);
    for (auto [path, reason] : {std::pair{dir / "missing.zvr", "No such file or directory"},
                                {dir.path(), "it is a folder"},
                                {dir / "pipe.zvr", "it is not a regular file"}}) {
        try {
            loadCaseFile(path);
            ADD_FAILURE() << path;
        } catch (const CaseFileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Could not open \"" + path.string() + "\": " + reason + ".");
        }
    }
}

} // namespace
} // namespace zorvane
