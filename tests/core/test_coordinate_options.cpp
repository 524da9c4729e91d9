#include "files/AtomicFile.h"
#include "files/ExportOptionsFile.h"
#include "files/ImportOptionsFile.h"
#include "files/ImportOptionsTexts.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using namespace std::string_view_literals;

void put32(Bytes& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}
void putText(Bytes& b, std::size_t at, std::string_view s) {
    b.at(at) = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 1));
}
void writeBytes(const fs::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
Bytes readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// impop.ini laid out by hand from the record's table: sections at 0, 108 and 216.
Bytes importBytes(const ImportOptions& o) {
    Bytes b(356, 0);
    const auto section = [&](std::size_t at, const auto& f) {
        for (std::size_t i = 0; i < f.fields.size(); ++i) {
            put32(b, at + 16 * i, f.fields[i].column);
            putText(b, at + 16 * i + 4, f.fields[i].prefix.view());
        }
        const std::size_t tail = at + 16 * f.fields.size();
        b.at(tail) = f.renumber;
        put32(b, tail + 4, f.renumberFrom);
        putText(b, tail + 8, f.separator.view());
    };
    section(0, o.xyz);
    section(108, o.polar);
    section(216, o.nesw);
    return b;
}

ImportOptions sampleImportOptions() {
    ImportOptions o;
    o.xyz.fields[0].prefix = "PT"sv;
    o.xyz.fields[5] = {6, "C="sv};
    o.xyz.separator = ";"sv;
    o.polar.renumber = true;
    o.polar.renumberFrom = -7;
    o.polar.fields[2].column = 0x12345678;
    o.nesw.fields[7] = {-3, "0123456789"sv};
    o.nesw.separator = ""sv;
    return o;
}

TEST(CoordinateOptions, ImportRecordIsItsBytes) {
    for (const ImportOptions& o : {ImportOptions{}, sampleImportOptions()}) {
        const Bytes want = importBytes(o);
        const auto got = serialiseImportOptions(o);
        EXPECT_EQ(Bytes(got.begin(), got.end()), want);
        EXPECT_EQ(parseImportOptions(want), o);
    }
    // The shipped defaults: Number 1, values and descriptor after it, no code, ","; the same
    // for the three kinds.
    const Bytes d = importBytes({});
    EXPECT_EQ(d[0], 1);
    EXPECT_EQ(d[16 * 4], 5);
    EXPECT_EQ(d[16 * 5], 0);
    EXPECT_EQ(d[100], 1);
    EXPECT_EQ(d[104], 1);
    EXPECT_EQ(d[105], ',');
    EXPECT_EQ(d[216 + 16 * 6], 7);
    EXPECT_EQ(d[352], 1);
    EXPECT_EQ(d[353], ',');
}

TEST(CoordinateOptions, ExportRecordIsItsBytes) {
    const struct {
        ExportOptions options;
        Bytes bytes;
    } cases[] = {
        {{}, {1, 1, 1, 1, 1}},
        {{true, false, true, false, true}, {1, 0, 1, 0, 1}},
        {{false, true, false, true, false}, {0, 1, 0, 1, 0}},
    };
    for (const auto& c : cases) {
        const auto got = serialiseExportOptions(c.options);
        EXPECT_EQ(Bytes(got.begin(), got.end()), c.bytes);
        EXPECT_EQ(parseExportOptions(c.bytes), c.options);
    }
}

TEST(CoordinateOptions, FilesSaveAtomicallyAndLoadBack) {
    testing::TempDir dir;
    saveImportOptions(dir / kImportOptionsFileName, sampleImportOptions());
    EXPECT_EQ(readAll(dir / kImportOptionsFileName), importBytes(sampleImportOptions()));
    const auto imp = loadImportOptions(dir / kImportOptionsFileName);
    EXPECT_FALSE(imp.wasReset());
    EXPECT_EQ(imp.options, sampleImportOptions());

    const ExportOptions twoD{true, false, true, true, false};
    saveExportOptions(dir / kExportOptionsFileName, twoD);
    EXPECT_EQ(readAll(dir / kExportOptionsFileName), (Bytes{1, 0, 1, 1, 0}));
    EXPECT_EQ(loadExportOptions(dir / kExportOptionsFileName).options, twoD);

    // A record followed by more bytes is read from its start.
    Bytes longer = importBytes(sampleImportOptions());
    longer.resize(1000, 0xEE);
    writeBytes(dir / "long.ini", longer);
    EXPECT_EQ(loadImportOptions(dir / "long.ini").options, sampleImportOptions());

    // A user's own folder may not exist yet: it is made.
    saveImportOptions(dir / "missing" / "impop.ini", {});
    EXPECT_EQ(loadImportOptions(dir / "missing" / "impop.ini").options, ImportOptions{});
    std::ofstream(dir / "plain") << "a file where a folder should be";
    EXPECT_THROW(saveImportOptions(dir / "plain" / "impop.ini", {}), FileWriteError);
}

TEST(CoordinateOptions, MissingShortOrDamagedFilesGiveTheDefaultsAndSaySo) {
    testing::TempDir dir;
    fs::create_directory(dir / "folder.ini");
    Bytes badFlag = importBytes({});
    badFlag[204] = 2;
    Bytes badSeparator = importBytes({});
    badSeparator[352] = 5;
    Bytes badPrefix = importBytes({});
    badPrefix[108 + 16 + 4] = 11;
    const struct {
        const char* name;
        Bytes bytes;
        std::string reason;
    } imports[] = {
        {"missing.ini", {}, "it does not exist"},
        {"folder.ini", {}, "it is a folder"},
        {"empty.ini", {}, "it holds 0 bytes instead of 356"},
        {"short.ini", Bytes(355, 0), "it holds 355 bytes instead of 356"},
        {"flag.ini", badFlag, "the Polar renumbering flag holds 2"},
        {"sep.ini", badSeparator, "the separator of the NESW section is 5 characters long"},
        {"prefix.ini", badPrefix, "the prefix in the Polar section is 11 characters long"},
    };
    for (const auto& c : imports) {
        const fs::path path = dir / c.name;
        if (c.name != "missing.ini"sv && c.name != "folder.ini"sv) writeBytes(path, c.bytes);
        const auto got = loadImportOptions(path);
        EXPECT_EQ(got.options, ImportOptions{}) << c.name;
        EXPECT_EQ(got.resetMessage, "The import options file \"" + path.string() +
                                        "\" could not be used (" + c.reason +
                                        "); the default import options are used.");
    }

    writeBytes(dir / "x1.ini", {1, 1, 0});
    writeBytes(dir / "x2.ini", {1, 1, 0, 0, 7});
    const auto shortExport = loadExportOptions(dir / "x1.ini");
    EXPECT_EQ(shortExport.options, ExportOptions{});
    EXPECT_NE(shortExport.resetMessage.find("coordinate export options file"), std::string::npos);
    EXPECT_NE(shortExport.resetMessage.find("it holds 3 bytes instead of 5"), std::string::npos);
    EXPECT_NE(
        loadExportOptions(dir / "x2.ini").resetMessage.find("the \"Export Code\" flag holds 7"),
        std::string::npos);
}

TEST(CoordinateOptions, WindowStoresAllTabsOrNothing) {
    ImportOptions options = sampleImportOptions();
    ImportOptionsTexts texts = importOptionsTexts(options);
    EXPECT_EQ(texts.xyz.columns, (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(texts.xyz.prefixes[0], "PT");
    EXPECT_EQ(texts.polar.renumberFrom, "-7");
    EXPECT_EQ(texts.nesw.columns[7], "-3");
    EXPECT_TRUE(texts.polar.renumber);

    const struct {
        std::function<void(ImportOptionsTexts&)> edit;
        CaseMode tab;
        int field;
        const char* message;
    } refused[] = {
        {[](ImportOptionsTexts& t) { t.xyz.columns[5] = ""; }, CaseMode::Xyz, 5,
         "'' is not a valid integer value"},
        {[](ImportOptionsTexts& t) { t.polar.columns[2] = "2a"; }, CaseMode::Polar, 2,
         "'2a' is not a valid integer value"},
        {[](ImportOptionsTexts& t) { t.nesw.renumberFrom = "1.5"; }, CaseMode::Nesw, -1,
         "'1.5' is not a valid integer value"},
        {[](ImportOptionsTexts& t) { t.nesw.columns.pop_back(); }, CaseMode::Nesw, 7,
         "'' is not a valid integer value"},
    };
    for (const auto& r : refused) {
        ImportOptionsTexts edited = texts;
        edited.xyz.separator = "|"; // a good change before the bad one is not kept either
        r.edit(edited);
        const auto error = storeImportOptionsTexts(options, edited);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->tab, r.tab);
        EXPECT_EQ(error->field, r.field);
        EXPECT_EQ(error->message, r.message);
        EXPECT_EQ(options, sampleImportOptions());
    }

    texts.xyz.prefixes[1] = "ABCDEFGHIJKLMN";
    texts.xyz.separator = "\t;";
    texts.nesw.columns[0] = " 12 ";
    texts.polar.renumber = false;
    EXPECT_FALSE(storeImportOptionsTexts(options, texts));
    EXPECT_EQ(options.xyz.fields[1].prefix.view(), "ABCDEFGHIJ");
    EXPECT_EQ(options.xyz.separator.view(), "\t");
    EXPECT_EQ(options.nesw.fields[0].column, 12);
    EXPECT_FALSE(options.polar.renumber);
}

} // namespace
} // namespace zorvane
