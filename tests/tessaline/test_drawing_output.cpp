// The bytes Tessaline writes for each call.
#include "DrawingFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>

using namespace tessaline_test;
using zorvane::testing::TempDir;

namespace {

std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

TEST(DrawingOutput, EmptyDrawingIsTheTemplateThenTwelveLines) {
    TempDir dir;
    const auto file = dir / "empty.dxf";
    ASSERT_EQ(TESSALINE_OK, StartDXF(file.c_str(), nullptr)) << TessalineLastError();
    EXPECT_STREQ("", TessalineLastError());
    ASSERT_EQ(TESSALINE_OK, EndDXFTabAndSection());
    ASSERT_EQ(TESSALINE_OK, EndDXF());

    const std::string bytes = readBytes(file);
    const std::string tail = crlf({" 0", "ENDTAB", " 0", "ENDSEC", " 0", "SECTION", " 2",
                                   "ENTITIES", " 0", "ENDSEC", " 0", "EOF"});
    ASSERT_EQ(kTemplateSize + tail.size(), bytes.size());
    EXPECT_EQ(tail, bytes.substr(kTemplateSize));

    const std::string header = bytes.substr(0, kTemplateSize);
    EXPECT_EQ(0, header.find(crlf(
                     {"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009"})));
    // Integers of groups 62 and 70-78 are right-aligned to six, except $HANDLING's.
    EXPECT_NE(std::string::npos, header.find(crlf({"$HANDLING", " 70", " 0", "  9", "$HANDSEED"})));
    const std::string layerZero =
        crlf({"  0", "LAYER", "  2", "0", " 70", "     0", " 62", "     7", "  6", "CONTINUOUS"});
    EXPECT_EQ(kTemplateSize - layerZero.size(), header.rfind(layerZero));
    std::size_t lineEnds = 0;
    for (std::size_t at = header.find("\r\n"); at != std::string::npos;
         at = header.find("\r\n", at + 2))
        ++lineEnds;
    EXPECT_EQ(740u, lineEnds);
    EXPECT_EQ(0x4293a517d67dd51bu, fnv1a(header)) << "the template changed";
}

TEST(DrawingOutput, EveryCallWritesItsLines) {
    TempDir dir;
    const auto file = dir / "all.dxf";
    ASSERT_EQ(TESSALINE_OK, StartDXF(file.c_str(), ""));
    ASSERT_EQ(TESSALINE_OK, CreateDXFLayer("POINTS", 3));
    ASSERT_EQ(TESSALINE_OK, CreateDXFLayer("NUMBERS", -7));
    ASSERT_EQ(TESSALINE_OK, EndDXFTabAndSection());
    ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("POINTS", 12.5, -0.25, 0.00001, 7));
    ASSERT_EQ(TESSALINE_OK, DrawDXFText("NUMBERS", 1, 10, 0.0001, 256, "17", 3, 2, 1));
    ASSERT_EQ(TESSALINE_OK, DrawDXFLine("POINTS", 0, 0, 0, 2.5e20, -1e15, 1e-5, 1));
    ASSERT_EQ(TESSALINE_OK, StartDXF2DPolyline("ROAD", 5, 0.5, 1, 2.25));
    ASSERT_EQ(TESSALINE_OK, DrawDXF2DVertex(1, 2, 0.414213562373095));
    ASSERT_EQ(TESSALINE_OK, DrawDXF2DVertex(3, 4, 0));
    ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
    ASSERT_EQ(TESSALINE_OK, StartDXF3DPolyline("KERB", 256, 0, 0));
    ASSERT_EQ(TESSALINE_OK, DrawDXF3DVertex(5, 6, -7, 0));
    ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
    ASSERT_EQ(TESSALINE_OK, StartDXF2DPolyline("OPEN", 1, 0, 0, 0));
    ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
    ASSERT_EQ(TESSALINE_OK, StartDXF3DPolyline("SHUT", 2, 1, 1));
    ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
    ASSERT_EQ(TESSALINE_OK, EndDXF());

    // clang-format off
    const std::string expected = crlf({
        " 0", "LAYER", " 2", "POINTS", " 70", "0", " 62", "3", " 6", "CONTINUOUS",
        " 0", "LAYER", " 2", "NUMBERS", " 70", "0", " 62", "-7", " 6", "CONTINUOUS",
        " 0", "ENDTAB", " 0", "ENDSEC", " 0", "SECTION", " 2", "ENTITIES",
        " 0", "POINT", " 5", "009A", " 8", "POINTS", " 62", "7",
        " 10", "12.5", " 20", "-0.25", " 30", "1E-5",
        " 0", "TEXT", " 5", "009B", " 8", "NUMBERS", " 62", "256",
        " 10", "1", " 20", "10.9999999", " 30", "0.0001", " 40", "3", " 1", "17", " 72", "2",
        " 11", "1", " 21", "10", " 31", "0.0001", " 73", "1", " 7", "STANDARD",
        " 0", "LINE", " 5", "009C", " 8", "POINTS", " 62", "1", " 10", "0", " 20", "0", " 30", "0",
        " 11", "2.5E20", " 21", "-1E15", " 31", "1E-5",
        " 0", "POLYLINE", " 5", "009D", " 8", "ROAD", " 62", "5", " 66", "  1", " 10", "0.0",
        " 20", "0.0", " 30", "2.25", " 70", "1", " 40", "0.5", " 41", "0.5",
        " 0", "VERTEX", " 5", "009E", " 8", "ROAD", " 62", "5",
        " 10", "1", " 20", "2", " 30", "2.25", " 42", "0.414213562373095", " 70", "0",
        " 0", "VERTEX", " 5", "009F", " 8", "ROAD", " 62", "5",
        " 10", "3", " 20", "4", " 30", "2.25", " 42", "0", " 70", "0",
        " 0", "SEQEND", " 5", "00A0", " 8", "ROAD", " 62", "5",
        " 0", "POLYLINE", " 5", "00A1", " 8", "KERB", " 62", "256", " 66", "  1", " 10", "0.0",
        " 20", "0.0", " 30", "0.0", " 70", "8", " 40", "0", " 41", "0",
        " 0", "VERTEX", " 5", "00A2", " 8", "KERB", " 62", "256",
        " 10", "5", " 20", "6", " 30", "-7", " 42", "0", " 70", "32",
        " 0", "SEQEND", " 5", "00A3", " 8", "KERB", " 62", "256",
        " 0", "POLYLINE", " 5", "00A4", " 8", "OPEN", " 62", "1", " 66", "  1", " 10", "0.0",
        " 20", "0.0", " 30", "0", " 70", "0", " 40", "0", " 41", "0",
        " 0", "SEQEND", " 5", "00A5", " 8", "OPEN", " 62", "1",
        " 0", "POLYLINE", " 5", "00A6", " 8", "SHUT", " 62", "2", " 66", "  1", " 10", "0.0",
        " 20", "0.0", " 30", "0.0", " 70", "9", " 40", "1", " 41", "1",
        " 0", "SEQEND", " 5", "00A7", " 8", "SHUT", " 62", "2",
        " 0", "ENDSEC", " 0", "EOF"});
    // clang-format on
    EXPECT_EQ(expected, readBytes(file).substr(kTemplateSize));
}

TEST(DrawingOutput, HandlesCountEntitiesFrom009AInEachFile) {
    TempDir dir;
    const int count = 0x10000 - 0x9A + 2; // up to the first five-digit handle and one past
    const std::string entities = writeEntities(dir / "many.dxf", [&] {
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("P", i, 0, 0, 7));
            if (i == 10) {
                ASSERT_EQ(TESSALINE_OK, CreateDXFLayer("LATE", 1)); // takes no handle
            }
        }
    });
    const std::vector<std::string> handles = valuesOf(entities, " 5");
    ASSERT_EQ(std::size_t(count), handles.size());
    for (int i = 0; i < count; ++i) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04X", 0x9A + i);
        ASSERT_EQ(expected, handles[i]) << "entity " << i;
    }
    EXPECT_EQ("1000", handles[0x1000 - 0x9A]);
    EXPECT_EQ("10001", handles.back());

    const std::string next = writeEntities(dir / "next.dxf", [] {
        ASSERT_EQ(TESSALINE_OK, StartDXF3DPolyline("L", 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXF3DVertex(0, 0, 0, 0));
        ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
        ASSERT_EQ(TESSALINE_OK, DrawDXFText("L", 0, 0, 0, 1, "t", 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXFLine("L", 0, 0, 0, 1, 1, 1, 1));
    });
    EXPECT_EQ((std::vector<std::string>{"009A", "009B", "009C", "009D", "009E"}),
              valuesOf(next, " 5"));
}

TEST(DrawingOutput, PolylineLayersAreCutTo31CharactersOthersAreWhole) {
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    for (std::size_t length : {0u, 1u, 30u, 31u, 32u, 40u}) {
        SCOPED_TRACE(length);
        TempDir dir;
        const auto file = dir / "layers.dxf";
        const std::string name = forty.substr(0, length);
        ASSERT_EQ(TESSALINE_OK, StartDXF(file.c_str(), nullptr));
        ASSERT_EQ(TESSALINE_OK, CreateDXFLayer(name.c_str(), 1));
        ASSERT_EQ(TESSALINE_OK, EndDXFTabAndSection());
        ASSERT_EQ(TESSALINE_OK, DrawDXFPoint(name.c_str(), 0, 0, 0, 1));
        ASSERT_EQ(TESSALINE_OK, DrawDXFText(name.c_str(), 0, 0, 0, 1, "t", 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXFLine(name.c_str(), 0, 0, 0, 1, 1, 1, 1));
        ASSERT_EQ(TESSALINE_OK, StartDXF2DPolyline(name.c_str(), 1, 0, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXF2DVertex(0, 0, 0));
        ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
        ASSERT_EQ(TESSALINE_OK, StartDXF3DPolyline(name.c_str(), 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXF3DVertex(0, 0, 0, 0));
        ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
        ASSERT_EQ(TESSALINE_OK, EndDXF());

        const std::string body = readBytes(file).substr(kTemplateSize);
        const std::string cut = name.substr(0, 31);
        EXPECT_EQ(std::vector<std::string>({name, "ENTITIES"}), valuesOf(body, " 2"));
        EXPECT_EQ(std::vector<std::string>({name, name, name, cut, cut, cut, cut, cut, cut}),
                  valuesOf(body, " 8"));
    }
}

TEST(DrawingOutput, TextFirstPointIsAThirdAboveForBottomAlignedElseOneHeightBelow) {
    struct Case {
        double y, height;
        int vertical;
        const char* firstY;
        const char* alignmentY;
    };
    const Case cases[] = {
        {10, 3, 1, "10.9999999", "10"},
        {10, 3, 3, "7", "10"},
        {10, 3, 0, "7", "10"},
        {10, 3, 2, "7", "10"},
        {10, 3, -1, "7", "10"},
        {0, 2.5, 1, "0.83333325", "0"},
        {-5, 1, 1, "-4.6666667", "-5"},
        {1e-5, 0, 1, "1E-5", "1E-5"},
        {0.5, 0.5, 0, "0", "0.5"},
        // The sum is rounded once, from extended precision: in doubles it would end in 428.
        {44854.0 / 7.0, 122, 1, "6448.38094831429", "6407.71428571429"},
    };
    TempDir dir;
    const std::string entities = writeEntities(dir / "texts.dxf", [&] {
        for (const Case& c : cases)
            ASSERT_EQ(TESSALINE_OK, DrawDXFText("T", 4, c.y, 0, 7, "x", c.height, 0, c.vertical));
    });
    const std::vector<std::string> first = valuesOf(entities, " 20");
    const std::vector<std::string> alignment = valuesOf(entities, " 21");
    ASSERT_EQ(std::size(cases), first.size());
    ASSERT_EQ(std::size(cases), alignment.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].firstY, first[i]) << "case " << i;
        EXPECT_EQ(cases[i].alignmentY, alignment[i]) << "case " << i;
    }
}

TEST(DrawingOutput, TextValuesStayOnOneLine) {
    TempDir dir;
    const std::string entities = writeEntities(dir / "lines.dxf", [] {
        ASSERT_EQ(TESSALINE_OK,
                  DrawDXFText("A\r\nB", 0, 0, 0, 1, "line1\nline2\r 0\nEOF", 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXFPoint(nullptr, 0, 0, 0, 1));
        ASSERT_EQ(TESSALINE_OK, DrawDXFText("", 0, 0, 0, 1, nullptr, 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, StartDXF2DPolyline("P\nQ", 1, 0, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXF2DVertex(0, 0, 0));
        ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
        ASSERT_EQ(TESSALINE_OK, StartDXF3DPolyline(nullptr, 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
    });
    EXPECT_EQ((std::vector<std::string>{"A  B", "", "", "P Q", "P Q", "P Q", "", ""}),
              valuesOf(entities, " 8"));
    EXPECT_EQ((std::vector<std::string>{"line1 line2  0 EOF", ""}), valuesOf(entities, " 1"));
    const std::vector<std::string> lines = splitLines(entities);
    for (std::size_t i = 0; i < lines.size(); i += 2)
        EXPECT_EQ(' ', lines[i].at(0)) << "line " << i << " should be a group code";
}

TEST(DrawingOutput, TextsLongerThanTheBufferAreWrittenWhole) {
    std::string layer(70000, 'L'), text(150000, 't');
    layer[69999] = '\n';
    text[100000] = '\r';
    TempDir dir;
    const std::string entities = writeEntities(dir / "long.dxf", [&] {
        ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("P", 1, 2, 3, 4));
        ASSERT_EQ(TESSALINE_OK, DrawDXFText(layer.c_str(), 5, 6, 7, 8, text.c_str(), 1, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXFLine(layer.c_str(), 0, 0, 0, 1, 1, 1, 9));
        ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("P", 1, 2, 3, 4));
    });
    layer[69999] = ' ';
    text[100000] = ' ';
    EXPECT_EQ((std::vector<std::string>{"P", layer, layer, "P"}), valuesOf(entities, " 8"));
    EXPECT_EQ(std::vector<std::string>{text}, valuesOf(entities, " 1"));
    EXPECT_EQ((std::vector<std::string>{"009A", "009B", "009C", "009D"}), valuesOf(entities, " 5"));
    EXPECT_EQ((std::vector<std::string>{"1", "5", "0", "1"}), valuesOf(entities, " 10"));
    EXPECT_EQ((std::vector<std::string>{"4", "8", "9", "4"}), valuesOf(entities, " 62"));
}

TEST(DrawingOutput, PolylineSettingsCarryOverToLaterVertices) {
    TempDir dir;
    const std::string entities = writeEntities(dir / "carry.dxf", [] {
        ASSERT_EQ(TESSALINE_OK, StartDXF2DPolyline("FLAT", 4, 0, 0, -1.5));
        ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
        // A 3D start keeps the 2D elevation, which a stray 2D vertex then repeats.
        ASSERT_EQ(TESSALINE_OK, StartDXF3DPolyline("SPACE", 6, 0, 0));
        ASSERT_EQ(TESSALINE_OK, DrawDXF2DVertex(1, 1, 0));
        ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
    });
    EXPECT_EQ((std::vector<std::string>{"-1.5", "0.0", "-1.5"}), valuesOf(entities, " 30"));
    EXPECT_EQ((std::vector<std::string>{"4", "4", "6", "6", "6"}), valuesOf(entities, " 62"));
}

} // namespace
