// What callers see when a drawing cannot be written, and what is left on disk.
#include "DrawingFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <limits>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tessaline_test;
using zorvane::testing::TempDir;
namespace fs = std::filesystem;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kEmptyDrawingTail = crlf({" 0", "ENDTAB", " 0", "ENDSEC", " 0", "SECTION", " 2",
                                            "ENTITIES", " 0", "ENDSEC", " 0", "EOF"});

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// Files may grow to `bytes` while this lives: writes past that fail with EFBIG, the way
// they fail on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

// Every call that writes into an open drawing.
const std::vector<std::pair<const char*, std::function<int()>>> kWritingCalls = {
    {"CreateDXFLayer", [] { return CreateDXFLayer("L", 1); }},
    {"EndDXFTabAndSection", [] { return EndDXFTabAndSection(); }},
    {"DrawDXFPoint", [] { return DrawDXFPoint("L", 1, 2, 3, 1); }},
    {"DrawDXFText", [] { return DrawDXFText("L", 1, 2, 3, 1, "t", 1, 0, 0); }},
    {"DrawDXFLine", [] { return DrawDXFLine("L", 1, 2, 3, 4, 5, 6, 1); }},
    {"StartDXF2DPolyline", [] { return StartDXF2DPolyline("L", 1, 0, 0, 0); }},
    {"StartDXF3DPolyline", [] { return StartDXF3DPolyline("L", 1, 0, 0); }},
    {"DrawDXF2DVertex", [] { return DrawDXF2DVertex(1, 2, 0); }},
    {"DrawDXF3DVertex", [] { return DrawDXF3DVertex(1, 2, 3, 0); }},
    {"EndDXFPolyline", [] { return EndDXFPolyline(); }},
};

TEST(WriteFailures, UncreatableFilesAreReportedAndLeaveNothingBehind) {
    TempDir dir;
    writeText(dir / "plain.txt", "x");
    fs::create_directory(dir / "folder");
    const std::set<std::string> before = namesIn(dir.path());
    const std::string cases[] = {
        (dir / "missing" / "a.dxf").string(),   // folder does not exist
        (dir / "plain.txt" / "a.dxf").string(), // "folder" is a file
        (dir / "folder").string(),              // the name is a folder
        std::string(5000, 'n'),                 // longer than any path
        "",
    };
    for (const std::string& name : cases) {
        EXPECT_EQ(TESSALINE_ERR_CREATE, StartDXF(name.c_str(), nullptr)) << name;
        EXPECT_STRNE("", TessalineLastError());
        EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, EndDXF()) << "after a failed start nothing is open";
    }
    EXPECT_EQ(TESSALINE_ERR_CREATE, StartDXF(nullptr, nullptr));
    EXPECT_EQ(before, namesIn(dir.path()));
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
}

TEST(WriteFailures, BlockModeFailsBeforeTouchingAnyFile) {
    TempDir dir;
    writeText(dir / "old.dxf", "previous drawing");
    EXPECT_EQ(TESSALINE_ERR_RESOURCE, StartDXF((dir / "old.dxf").c_str(), "BLOCK"));
    EXPECT_NE(std::string::npos, std::string(TessalineLastError()).find("BLOCK"));
    EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, EndDXF());
    EXPECT_EQ(TESSALINE_ERR_RESOURCE, StartDXF((dir / "new.dxf").c_str(), "B"));
    EXPECT_EQ("previous drawing", readBytes(dir / "old.dxf"));
    EXPECT_EQ(std::set<std::string>{"old.dxf"}, namesIn(dir.path()));
}

TEST(WriteFailures, AnExistingFileIsReplacedOnlyOnceTheTemplateIsWritten) {
    TempDir dir;
    const fs::path file = dir / "case.dxf";
    writeText(file, "previous drawing");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        FileSizeLimit limit(1000);
        EXPECT_EQ(TESSALINE_ERR_IO, StartDXF(file.c_str(), nullptr));
        EXPECT_NE(std::string::npos, std::string(TessalineLastError()).find(strerror(EFBIG)));
    }
    EXPECT_EQ("previous drawing", readBytes(file));
    EXPECT_EQ(std::set<std::string>{"case.dxf"}, namesIn(dir.path())) << "no temporary file left";

    ASSERT_EQ(TESSALINE_OK, StartDXF(file.c_str(), nullptr));
    EXPECT_EQ(kTemplateSize, fs::file_size(file)) << "in place before the first entity";
    ASSERT_EQ(TESSALINE_OK, EndDXF());
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
              fs::status(file).permissions());

    // Through a link, the linked file is replaced and the link stays.
    fs::create_symlink(file, dir / "link.dxf");
    ASSERT_EQ(TESSALINE_OK, StartDXF((dir / "link.dxf").c_str(), nullptr));
    ASSERT_EQ(TESSALINE_OK, EndDXFTabAndSection());
    ASSERT_EQ(TESSALINE_OK, EndDXF());
    EXPECT_TRUE(fs::is_symlink(dir / "link.dxf"));
    EXPECT_EQ(kTemplateSize + kEmptyDrawingTail.size(), fs::file_size(file));
}

TEST(WriteFailures, FullDiskIsReportedByStartOnADevice) {
    EXPECT_EQ(TESSALINE_ERR_IO, StartDXF("/dev/full", nullptr));
    EXPECT_NE(std::string::npos, std::string(TessalineLastError()).find(strerror(ENOSPC)));
    EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, DrawDXFPoint("L", 0, 0, 0, 1));
    EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, EndDXF());
    struct stat info {};
    ASSERT_EQ(0, stat("/dev/full", &info));
    EXPECT_TRUE(S_ISCHR(info.st_mode)) << "a device is written, never replaced";
}

TEST(WriteFailures, AFailedFlushIsReportedByItsCallAndEveryLaterOne) {
    TempDir dir;
    const fs::path file = dir / "big.dxf";
    FileSizeLimit limit(kTemplateSize + 200000);
    ASSERT_EQ(TESSALINE_OK, StartDXF(file.c_str(), nullptr));
    int calls = 0, result = TESSALINE_OK;
    while (result == TESSALINE_OK && calls < 100000) {
        result = DrawDXFPoint("LAYER", calls, 1, 2, 7);
        ++calls;
    }
    EXPECT_EQ(TESSALINE_ERR_IO, result);
    EXPECT_NE(std::string::npos, std::string(TessalineLastError()).find(strerror(EFBIG)));
    // Reported by the call whose flush failed, not some later one: a POINT here is
    // under 100 bytes, so the buffer fills within a few thousand calls past the limit.
    EXPECT_LT(calls, (200000 + 64 * 1024) / 60);
    for (const auto& [name, call] : kWritingCalls) EXPECT_EQ(TESSALINE_ERR_IO, call()) << name;
    EXPECT_EQ(TESSALINE_ERR_IO, EndDXF());
    EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, EndDXF());
}

// Once a write has failed nothing more reaches the file, even when the disk has room again:
// a drawing with a hole in the middle would look whole to a CAD program.
TEST(WriteFailures, NothingIsWrittenAfterAFailureEvenWhenThereIsRoomAgain) {
    TempDir dir;
    const fs::path file = dir / "holed.dxf";
    std::uintmax_t sizeAtFailure = 0;
    {
        FileSizeLimit limit(kTemplateSize + 100000);
        ASSERT_EQ(TESSALINE_OK, StartDXF(file.c_str(), nullptr));
        int result = TESSALINE_OK;
        for (int i = 0; result == TESSALINE_OK && i < 100000; ++i)
            result = DrawDXFPoint("L", i, 0, 0, 1);
        ASSERT_EQ(TESSALINE_ERR_IO, result);
        sizeAtFailure = fs::file_size(file);
    }
    for (const auto& [name, call] : kWritingCalls) EXPECT_EQ(TESSALINE_ERR_IO, call()) << name;
    EXPECT_EQ(TESSALINE_ERR_IO, EndDXF());
    EXPECT_EQ(sizeAtFailure, fs::file_size(file));

    // The next drawing starts afresh: its start reports no old error.
    ASSERT_EQ(TESSALINE_OK, StartDXF((dir / "next.dxf").c_str(), nullptr));
    EXPECT_STREQ("", TessalineLastError());
    EXPECT_EQ(TESSALINE_OK, EndDXF());
}

TEST(WriteFailures, AFailedFinalFlushIsReportedByEndDXF) {
    TempDir dir;
    FileSizeLimit limit(kTemplateSize + 100);
    ASSERT_EQ(TESSALINE_OK, StartDXF((dir / "end.dxf").c_str(), nullptr));
    ASSERT_EQ(TESSALINE_OK, EndDXFTabAndSection());
    for (int i = 0; i < 10; ++i) ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("L", i, 0, 0, 1)); // buffered
    EXPECT_EQ(TESSALINE_ERR_IO, EndDXF());
    EXPECT_STRNE("", TessalineLastError());
    EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, EndDXF());
}

TEST(WriteFailures, CallsWithoutAnOpenFileReportNotOpen) {
    TempDir dir;
    ASSERT_EQ(TESSALINE_OK, StartDXF((dir / "a.dxf").c_str(), nullptr));
    ASSERT_EQ(TESSALINE_OK, EndDXF());
    EXPECT_STREQ("", TessalineLastError());
    for (const auto& [name, call] : kWritingCalls) {
        EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, call()) << name;
        EXPECT_STRNE("", TessalineLastError()) << name;
    }
    EXPECT_EQ(TESSALINE_ERR_NOT_OPEN, EndDXF()) << "EndDXF twice";
    EXPECT_EQ(kTemplateSize + crlf({" 0", "ENDSEC", " 0", "EOF"}).size(),
              fs::file_size(dir / "a.dxf"))
        << "nothing written after the end";
}

TEST(WriteFailures, NonFiniteRealsAreRefusedAndWriteNothing) {
    const std::pair<const char*, std::function<int()>> refused[] = {
        {"point x", [] { return DrawDXFPoint("L", kNaN, 0, 0, 1); }},
        {"point z", [] { return DrawDXFPoint("L", 0, 0, -kInf, 1); }},
        {"text y", [] { return DrawDXFText("L", 0, kInf, 0, 1, "t", 1, 0, 1); }},
        {"text height", [] { return DrawDXFText("L", 0, 0, 0, 1, "t", kNaN, 0, 1); }},
        {"line end", [] { return DrawDXFLine("L", 0, 0, 0, 0, 0, kNaN, 1); }},
        {"2D elevation", [] { return StartDXF2DPolyline("L", 1, 0, 0, kInf); }},
        {"2D width", [] { return StartDXF2DPolyline("L", 1, kNaN, 0, 0); }},
        {"3D width", [] { return StartDXF3DPolyline("L", 1, -kInf, 0); }},
        {"2D bulge", [] { return DrawDXF2DVertex(0, 0, kNaN); }},
        {"3D z", [] { return DrawDXF3DVertex(0, 0, kInf, 0); }},
    };
    auto drawing = [](bool withRefused, const std::pair<const char*, std::function<int()>>* bad) {
        TempDir dir;
        return writeEntities(dir / "d.dxf", [&] {
            ASSERT_EQ(TESSALINE_OK, StartDXF2DPolyline("P", 1, 0, 0, 1.5));
            ASSERT_EQ(TESSALINE_OK, DrawDXF2DVertex(1, 1, 0));
            if (withRefused) {
                EXPECT_EQ(TESSALINE_ERR_VALUE, bad->second()) << bad->first;
                EXPECT_STRNE("", TessalineLastError());
            }
            ASSERT_EQ(TESSALINE_OK, DrawDXF2DVertex(2, 2, 0));
            ASSERT_EQ(TESSALINE_OK, EndDXFPolyline());
            EXPECT_STREQ("", TessalineLastError());
        });
    };
    const std::string clean = drawing(false, nullptr);
    for (const auto& bad : refused) EXPECT_EQ(clean, drawing(true, &bad)) << bad.first;
}

TEST(WriteFailures, StartingAnotherDrawingClosesTheOpenOneAsItStands) {
    TempDir dir;
    ASSERT_EQ(TESSALINE_OK, StartDXF((dir / "first.dxf").c_str(), nullptr));
    ASSERT_EQ(TESSALINE_OK, EndDXFTabAndSection());
    ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("L", 1, 2, 3, 4));
    const std::string second = writeEntities(
        dir / "second.dxf", [] { ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("L", 5, 6, 7, 8)); });
    EXPECT_EQ(std::vector<std::string>{"009A"}, valuesOf(second, " 5"));
    const std::string first = readBytes(dir / "first.dxf");
    const std::string point = crlf(
        {" 0", "POINT", " 5", "009A", " 8", "L", " 62", "4", " 10", "1", " 20", "2", " 30", "3"});
    ASSERT_GT(first.size(), point.size());
    EXPECT_EQ(point, first.substr(first.size() - point.size()));
}

} // namespace
