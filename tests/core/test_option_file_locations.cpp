#include "app/OptionFileLocations.h"
#include "app/ProgramFolder.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include <unistd.h>

namespace zorvane {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& p) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

// A folder that holds `file` but that this user does not own (as root) or may not write to.
fs::path foreignFolder(const fs::path& folder, const char* file) {
    touch(folder / file);
    if (::geteuid() == 0) {
        if (::chown(folder.c_str(), 65534, 65534) != 0) throw std::runtime_error("chown");
    } else {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    return folder;
}

TEST(ProgramFolder, HomeThenTheProgramsFolderWithDataThenTheInstalledData) {
    testing::TempDir dir;
    const fs::path build = dir / "build/bin", bare = dir / "bare/bin", installed = dir / "usr/bin";
    touch(build / "zorvane_help.html");
    touch(dir / "options/bin/progop.ini");
    fs::create_directories(bare);
    fs::create_directories(installed);
    fs::create_directories(dir / "usr/share/zorvane");
    const struct {
        fs::path exe, home, folder;
    } cases[] = {
        {build, dir / "home", dir / "home"},
        {build, {}, build},
        {dir / "options/bin", {}, dir / "options/bin"},
        {installed, {}, dir / "usr/share/zorvane"},
        {bare, {}, bare}, // no data anywhere: what is beside the program
    };
    for (const auto& c : cases) EXPECT_EQ(programFolder(c.exe, c.home), c.folder) << c.exe;
}

TEST(OptionFileLocations, OwnWritableProgramFolderHoldsTheFiles) {
    testing::TempDir dir;
    const OptionFileLocations missing(dir / "program", dir / "config", {});
    fs::create_directories(dir / "program");
    const OptionFileLocations here(dir / "program", dir / "config", {});
    EXPECT_FALSE(here.perUser());
    const OptionFilePaths p = here.locate("progop.ini");
    EXPECT_EQ(p.readFrom, dir / "program/progop.ini");
    EXPECT_EQ(p.writeTo, dir / "program/progop.ini");
    // A program folder that does not exist cannot be written either.
    EXPECT_TRUE(missing.perUser());
}

TEST(OptionFileLocations, HomeOverridesEverything) {
    testing::TempDir dir;
    fs::create_directories(dir / "program");
    const fs::path shipped = foreignFolder(dir / "shipped", "progop.ini");
    for (const fs::path& program : {dir / "program", shipped}) {
        const OptionFileLocations at(program, dir / "config", dir / "home");
        EXPECT_FALSE(at.perUser());
        const OptionFilePaths p = at.locate("impop.ini");
        EXPECT_EQ(p.readFrom, dir / "home/impop.ini");
        EXPECT_EQ(p.writeTo, dir / "home/impop.ini");
    }
}

TEST(OptionFileLocations, EachUserOfAnInstallationKeepsOwnCopies) {
    testing::TempDir dir;
    const fs::path shipped = foreignFolder(dir / "share/zorvane", "progop.ini");
    const OptionFileLocations alice(shipped, dir / "alice/.config/Zorvane", {});
    const OptionFileLocations bob(shipped, dir / "bob/.config/Zorvane", {});
    ASSERT_TRUE(alice.perUser());
    EXPECT_EQ(alice.writeFolder(), dir / "alice/.config/Zorvane");

    // Until Alice saves, she reads the shipped defaults; then her own copy, and Bob still the
    // shipped ones.
    EXPECT_EQ(alice.locate("progop.ini").readFrom, shipped / "progop.ini");
    EXPECT_EQ(alice.locate("progop.ini").writeTo, dir / "alice/.config/Zorvane/progop.ini");
    touch(alice.locate("progop.ini").writeTo);
    EXPECT_EQ(alice.locate("progop.ini").readFrom, dir / "alice/.config/Zorvane/progop.ini");
    EXPECT_EQ(bob.locate("progop.ini").readFrom, shipped / "progop.ini");
    EXPECT_EQ(bob.locate("progop.ini").writeTo, dir / "bob/.config/Zorvane/progop.ini");
    // Each file on its own: Alice has no import options of her own yet.
    EXPECT_EQ(alice.locate("impop.ini").readFrom, shipped / "impop.ini");
}

TEST(OptionFileLocations, WithoutAConfigurationFolderTheProgramFolderIsTried) {
    testing::TempDir dir;
    const fs::path shipped = foreignFolder(dir / "share/zorvane", "progop.ini");
    const OptionFileLocations at(shipped, {}, {});
    EXPECT_FALSE(at.perUser());
    EXPECT_EQ(at.locate("progop.ini").writeTo, shipped / "progop.ini");
}

} // namespace
} // namespace zorvane
