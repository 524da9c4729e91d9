#include "uno/OfficeProcess.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <unistd.h>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::TempDir;

fs::path script(const TempDir& dir, const std::string& name, const std::string& body) {
    const fs::path path = dir / name;
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

std::optional<int> waitForEnd(OfficeProcess& process, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (const auto status = process.exitStatus()) return status;
        std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
}

TEST(OfficeProcess, TellsHowTheProgramEnded) {
    TempDir dir;
    const struct {
        std::string body;
        int status;
    } cases[] = {{"exit 0", 0}, {"exit 3", 3}, {"kill -9 $$", 137}};
    for (const auto& c : cases) {
        OfficeProcess process(script(dir, "office", c.body), {});
        EXPECT_EQ(waitForEnd(process, 5s), c.status) << c.body;
    }
    OfficeProcess missing(dir / "no-such-office", {});
    EXPECT_EQ(waitForEnd(missing, 5s), 127);
}

TEST(OfficeProcess, NeverWaitsForAnOfficeThatRuns) {
    TempDir dir;
    const auto start = std::chrono::steady_clock::now();
    OfficeProcess process(script(dir, "office", "sleep 1"), {});
    EXPECT_EQ(process.exitStatus(), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_EQ(waitForEnd(process, 5s), 0);
}

TEST(OfficeProcess, OfficeGetsItsArgumentsAndRunsDetached) {
    TempDir dir;
    const fs::path out = dir / "seen";
    OfficeProcess process(script(dir, "office",
                                 "for a in \"$@\"; do echo \"$a\"; done > '" + out.string() +
                                     "'; cut -d' ' -f6 /proc/$$/stat >> '" + out.string() + "'"),
                          {"--accept=pipe,name=x;urp;", "two words"});
    ASSERT_EQ(waitForEnd(process, 5s), 0);
    std::ifstream in(out);
    std::string first, second, sid;
    std::getline(in, first);
    std::getline(in, second);
    std::getline(in, sid);
    EXPECT_EQ(first, "--accept=pipe,name=x;urp;");
    EXPECT_EQ(second, "two words");
    EXPECT_NE(std::stol(sid), static_cast<long>(::getsid(0)));
}

} // namespace
} // namespace zorvane
