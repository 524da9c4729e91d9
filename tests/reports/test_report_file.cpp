#include "reports/ReportFile.h"

#include "ReportSamples.h"
#include "reports/DocxReport.h"
#include "reports/ReportError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using namespace zorvane::testing;

void writeText(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::vector<std::string> folderNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReportFile, StemFromTheCaseName) {
    const struct {
        std::string name, stem;
    } cases[] = {
        {"Crossing A7", "Crossing A7"},
        {"A7 / B12: \"north\" <exit> | *?\\", "A7 _ B12_ _north_ _exit_ _ ___"},
        {"  ..hidden. ", "hidden"},
        {"tab\there\x01\x7F", "tab_here__"},
        {"", "Case report"},
        {" . .. ", "Case report"},
        {"\xC3\xA9t\xC3\xA9 2024", "\xC3\xA9t\xC3\xA9 2024"},
        {std::string(98, 'x') + "\xC3\xA9\xC3\xA9", std::string(98, 'x') + "\xC3\xA9"},
        {std::string(99, 'x') + " \xC3\xA9", std::string(99, 'x')},
    };
    for (const auto& t : cases) EXPECT_EQ(reportFileStem(t.name), t.stem) << t.name;
}

TEST(ReportFile, FreshNamesNeverReplaceAFile) {
    TempDir dir;
    writeText(dir / "Case 1.docx", "first");
    writeText(dir / "Case 1 (2).docx", "second");
    fs::create_symlink(dir / "nowhere", dir / "Case 1 (3).docx"); // a dangling link is a name too
    EXPECT_EQ(freshReportPath(dir.path(), "Case 1", "docx"), dir / "Case 1 (4).docx");
    EXPECT_EQ(freshReportPath(dir.path(), "Case 2", "odt"), dir / "Case 2.odt");

    const std::vector<std::uint8_t> bytes = {'n', 'e', 'w'};
    EXPECT_EQ(saveNewReport(dir.path(), "Case 1", "docx", bytes), dir / "Case 1 (4).docx");
    EXPECT_EQ(saveNewReport(dir.path(), "Case 1", "docx", bytes), dir / "Case 1 (5).docx");
    EXPECT_EQ(readBytes((dir / "Case 1 (5).docx").string()), bytes);
    EXPECT_EQ(readBytes((dir / "Case 1.docx").string()), (Bytes{'f', 'i', 'r', 's', 't'}));
    EXPECT_EQ(folderNames(dir.path()),
              (std::vector<std::string>{"Case 1 (2).docx", "Case 1 (3).docx", "Case 1 (4).docx",
                                        "Case 1 (5).docx", "Case 1.docx"}));
}

TEST(ReportFile, FailuresLeaveNothingBehind) {
    TempDir dir;
    const fs::path missing = dir / "gone";
    try {
        saveNewReport(missing, "Case", "docx", Bytes{1});
        FAIL() << "saved into a missing folder";
    } catch (const ReportError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("The report could not be saved in the folder \"" +
                                                  missing.string() +
                                                  "\": the folder does not exist (",
                                              0),
                  0u)
            << e.what();
    }

    // A template that is not there, or not usable: the folder stays empty.
    const ReportContent content = sampleContent(CaseMode::Xyz, 2);
    const fs::path noTemplate = dir / "tq.dotx";
    EXPECT_THROW(
        {
            try {
                writeDocxReport(noTemplate, dir.path(), content);
            } catch (const ReportError& e) {
                EXPECT_EQ(std::string(e.what()),
                          "The report template \"" + noTemplate.string() + "\" cannot be found.");
                throw;
            }
        },
        ReportError);
    writeText(noTemplate, "not a template");
    fs::create_directory(dir / "out");
    EXPECT_THROW(writeDocxReport(noTemplate, dir / "out", content), ReportError);
    EXPECT_TRUE(folderNames(dir / "out").empty());
}

TEST(ReportFile, WrittenReportOpensAgain) {
    TempDir dir;
    const ReportContent content = sampleContent(CaseMode::Nesw, 3);
    const fs::path first = writeDocxReport(ZORVANE_WORD_TEMPLATE, dir.path(), content);
    const fs::path second = writeDocxReport(ZORVANE_WORD_TEMPLATE, dir.path(), content);
    EXPECT_EQ(first, dir / "Crossing A7 _ B12.docx");
    EXPECT_EQ(second, dir / "Crossing A7 _ B12 (2).docx");
    const OpenedDocx docx(readBytes(second.string()));
    EXPECT_EQ(OpenedDocx::children(docx.tables().at(1), "w:tr").size(), 5u);
    EXPECT_EQ(fs::status(second).permissions() & fs::perms::others_read, fs::perms::others_read);
}

TEST(ReportFile, TemplateBesideTheProgramOrInstalled) {
    TempDir dir;
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "share/zorvane");
    EXPECT_EQ(reportTemplatePath(dir / "bin", "tq.dotx"), dir / "bin/tq.dotx")
        << "expected there when nowhere";
    writeText(dir / "share/zorvane/tq.dotx", "x");
    EXPECT_EQ(reportTemplatePath(dir / "bin", "tq.dotx"), dir / "share/zorvane/tq.dotx");
    writeText(dir / "bin/tq.dotx", "x");
    EXPECT_EQ(reportTemplatePath(dir / "bin", "tq.dotx"), dir / "bin/tq.dotx");
}

TEST(ReportFile, FileUrlsEncodeWhatAUrlCannotHold) {
    const struct {
        const char* path;
        const char* url;
    } cases[] = {
        {"/opt/zorvane/tq.ott", "file:///opt/zorvane/tq.ott"},
        {"/opt/zorvane/tq$$$.bmp", "file:///opt/zorvane/tq%24%24%24.bmp"},
        {"/home/r\xC3\xA9 m/a#b?c%d.odt", "file:///home/r%C3%A9%20m/a%23b%3Fc%25d.odt"},
        {"/a\\b/./c/../d~e_f-g", "file:///a%5Cb/d~e_f-g"},
    };
    for (const auto& c : cases) EXPECT_EQ(fileUrl(c.path), c.url) << c.path;
    EXPECT_EQ(fileUrl("x.ott"), fileUrl(fs::current_path() / "x.ott"));
}

} // namespace
} // namespace zorvane
