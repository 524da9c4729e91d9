#include "files/AtomicFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include <sys/resource.h>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::size_t entries(const fs::path& dir) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(AtomicFile, ReplacesContentKeepingPermissionsAndLinks) {
    testing::TempDir dir;
    const fs::path target = dir / "case.zvr";
    writeFileAtomically(target, Bytes(5000, 1));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, dir / "link.zvr");

    writeFileAtomically(dir / "link.zvr", Bytes{7, 8, 9});
    EXPECT_EQ(readAll(target), (Bytes{7, 8, 9}));
    EXPECT_TRUE(fs::is_symlink(dir / "link.zvr"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(dir.path()), 2u); // no temporary file left behind
}

TEST(AtomicFile, FailuresThrowWithPathAndReasonAndLeaveNoTrace) {
    testing::TempDir dir;
    fs::create_directory(dir / "folder");
    std::ofstream(dir / "plain") << "x";
    struct Failure {
        fs::path target;
        std::string reason;
    };
    const Failure cases[] = {
        {dir / "missing" / "case.zvr", "\": no such file or directory."},
        {dir / "plain" / "case.zvr", "\": not a directory."},
        {dir / "folder", "a folder has that name"},
    };
    for (const auto& c : cases) {
        try {
            writeFileAtomically(c.target, Bytes{1, 2, 3});
            ADD_FAILURE() << c.target;
        } catch (const FileWriteError& e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("\"" + c.target.string() + "\""), std::string::npos) << m;
            EXPECT_NE(m.find(c.reason), std::string::npos) << m;
            EXPECT_EQ(e.path(), c.target);
        }
        EXPECT_EQ(entries(dir.path()), 2u) << c.target;
        EXPECT_TRUE(fs::is_empty(dir / "folder"));
    }
}

// A file size limit makes the write fail part-way, as a full disk does.
TEST(AtomicFile, WriteFailingHalfWayKeepsThePreviousFile) {
    testing::TempDir dir;
    const fs::path target = dir / "case.zvr";
    const Bytes old(3000, 0x5A);
    writeFileAtomically(target, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        writeFileAtomically(target, Bytes(100000, 0x11));
    } catch (const FileWriteError& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message,
              "Could not save \"" + target.string() +
                  "\": the file is too large for this disk. The existing file is unchanged.");
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(entries(dir.path()), 1u);
}

} // namespace
} // namespace zorvane
