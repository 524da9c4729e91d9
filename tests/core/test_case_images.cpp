#include "case/CaseDocument.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace zorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Photos : ::testing::Test {
    testing::TempDir dir;
    CaseDocument doc;
    std::vector<unsigned> told;

    void SetUp() override {
        doc.observe([this](unsigned changes) { told.push_back(changes); });
        doc.startNew(CaseMode::Xyz, ProgramOptions{}, "08/12/2026");
        told.clear();
    }
    std::string file(const std::string& name, std::size_t size) {
        Bytes bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + size);
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(size));
        return (dir / name).string();
    }
    Bytes image(std::size_t k) const {
        const auto span = doc.state().images.image(k);
        return {span.begin(), span.end()};
    }
};

TEST_F(Photos, AFileThatCannotBeReadEndsTheListKeepingTheFilesBeforeIt) {
    const std::string missing = (dir / "missing.jpg").string();
    struct Case {
        std::vector<std::string> paths;
        std::string error;
        std::size_t count;
    } cases[] = {
        {{file("a.jpg", 4), missing, file("c.jpg", 6)},
         "Could not open \"" + missing + "\": No such file or directory.",
         1},
        {{dir.path().string()},
         "Could not open \"" + dir.path().string() + "\": it is a folder.",
         0},
    };
    for (const Case& c : cases) {
        doc.startNew(CaseMode::Xyz, ProgramOptions{}, "");
        told.clear();
        const Outcome out = doc.addImages(c.paths);
        EXPECT_EQ(out.error, c.error);
        EXPECT_EQ(out.changed, c.count > 0);
        EXPECT_EQ(doc.state().images.count(), c.count);
        // What was added is a change like any other; nothing added, nothing to tell.
        EXPECT_EQ(doc.isClean(), c.count == 0);
        EXPECT_EQ(told.size(), c.count > 0 ? 1u : 0u);
    }
}

TEST(ImageBrowsing, StepsStayWithinTheImages) {
    struct Case {
        ImageStep step;
        std::size_t current, count, expected;
    } cases[] = {
        {ImageStep::Previous, 0, 3, 0}, {ImageStep::Previous, 2, 3, 1},
        {ImageStep::Next, 2, 3, 2},     {ImageStep::Next, 0, 3, 1},
        {ImageStep::First, 2, 3, 0},    {ImageStep::Last, 0, 3, 2},
        {ImageStep::Next, 0, 1, 0},     {ImageStep::Last, 0, 0, 0},
        {ImageStep::Previous, 9, 3, 2}, // a stale index comes back into range
    };
    for (const Case& c : cases)
        EXPECT_EQ(imageIndexAfter(c.step, c.current, c.count), c.expected)
            << int(c.step) << " from " << c.current << " of " << c.count;
}

TEST_F(Photos, DeletingShowsThePreviousImageOrTheNewFirstOne) {
    struct Case {
        std::size_t count, removed, current;
        std::vector<std::size_t> left; // sizes of the images that stay
    } cases[] = {
        {1, 0, 0, {}},
        {3, 0, 0, {20, 30}},
        {3, 1, 0, {10, 30}},
        {3, 2, 1, {10, 20}},
    };
    for (const Case& c : cases) {
        doc.startNew(CaseMode::Xyz, ProgramOptions{}, "");
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < c.count; ++i)
            paths.push_back(file(std::to_string(i) + ".jpg", 10 * (i + 1)));
        doc.addImages(paths);
        doc.showImage(c.removed);
        doc.markSaved();
        doc.removeImage(c.removed);
        const ImageStore& images = doc.state().images;
        EXPECT_EQ(images.current, c.current);
        ASSERT_EQ(images.count(), c.left.size());
        std::int32_t at = 0;
        for (std::size_t k = 0; k < c.left.size(); ++k) {
            EXPECT_EQ(images.offsets()[k], at);
            EXPECT_EQ(image(k).size(), c.left[k]);
            at += static_cast<std::int32_t>(4 + c.left[k]);
        }
        EXPECT_EQ(images.buffer().size(), static_cast<std::size_t>(at));
        EXPECT_FALSE(doc.isClean());
    }
}

} // namespace
} // namespace zorvane
