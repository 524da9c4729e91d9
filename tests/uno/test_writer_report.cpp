// The LibreOffice report up to the office: what happens when there is none, when it stops,
// when it does not answer. A fake soffice stands in; no office is started here.
#include "uno/WriterReport.h"

#include "reports/ReportError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include <unistd.h>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::TempDir;

struct FakeOffice {
    TempDir dir;
    OfficeSettings settings;

    // soffice is this script; the runtime is the real one, so the bridge is really tried.
    explicit FakeOffice(const std::string& body) {
        std::ofstream(dir / "soffice")
            << "#!/bin/sh\n"
            << "for a in \"$@\"; do echo \"$a\"; done > '" << (dir / "arguments").string() << "'\n"
            << body << "\n";
        fs::permissions(dir / "soffice", fs::perms::owner_all);
        settings.programFolder = ZORVANE_OFFICE_PROGRAM_DIR;
        settings.program = dir / "soffice";
        static int n = 0;
        settings.pipeName =
            "zorvane_test_" + std::to_string(::getpid()) + "_" + std::to_string(++n);
        settings.wait = 700ms;
    }
    bool started() const { return fs::exists(dir / "arguments"); }
    std::vector<std::string> arguments() const {
        std::ifstream in(dir / "arguments");
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    WriterReportRequest request() const {
        const fs::path templ = dir / "tq.ott";
        std::ofstream(templ) << "a template";
        WriterReportRequest r;
        r.templatePath = templ;
        return r;
    }
};

std::string reportError(const OfficeSettings& settings, const WriterReportRequest& request) {
    try {
        createWriterReport(settings, request);
    } catch (const ReportError& e) {
        return e.what();
    }
    return "no error";
}

TEST(WriterReport, WithoutLibreOfficeItSaysSo) {
    FakeOffice office("exit 0");
    OfficeSettings missing = office.settings;
    missing.programFolder = office.dir / "nowhere";
    missing.program.clear();
    EXPECT_FALSE(missing.installed());
    EXPECT_TRUE(office.settings.installed());
    EXPECT_EQ(reportError(missing, office.request()), officeMissingMessage());
    EXPECT_EQ(officeMissingMessage().rfind("Open Office is not installed on your computer. ", 0),
              0u);
}

TEST(WriterReport, TemplateIsLookedForBeforeTheOffice) {
    FakeOffice office("exit 0");
    WriterReportRequest request = office.request();
    request.templatePath = office.dir / "tq-missing.ott";
    EXPECT_EQ(reportError(office.settings, request),
              "The report template \"" + request.templatePath.string() + "\" cannot be found.");
    request.templatePath = office.dir.path();
    EXPECT_EQ(reportError(office.settings, request),
              "The report template \"" + request.templatePath.string() + "\" is not a file.");
    EXPECT_FALSE(office.started());
}

TEST(WriterReport, AnOfficeThatStopsIsReportedAtOnce) {
    FakeOffice office("exit 2");
    office.settings.wait = 30s;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(reportError(office.settings, office.request()),
              "LibreOffice stopped while it was starting (exit status 2), so the report was not "
              "made.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(WriterReport, AnOfficeThatNeverAnswersIsGivenUpAfterTheWait) {
    // One that runs without listening, and one that handed its arguments to an office that
    // does not listen either.
    for (const char* body : {"sleep 3", "exit 0"}) {
        FakeOffice office(body);
        const auto start = std::chrono::steady_clock::now();
        const std::string error = reportError(office.settings, office.request());
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(error.rfind("LibreOffice did not answer within 1 second, so the report was not "
                              "made.",
                              0),
                  0u)
            << error;
        EXPECT_GE(took, 700ms);
        EXPECT_LT(took, 2500ms);
    }
}

TEST(WriterReport, SofficeListensOnOurPipeWithoutAWindowOfItsOwn) {
    for (const bool headless : {false, true}) {
        FakeOffice office("exit 0");
        office.settings.headless = headless;
        office.settings.extraArguments = {"-env:UserInstallation=file:///tmp/p"};
        reportError(office.settings, office.request());
        const std::vector<std::string> expected = {
            "--accept=pipe,name=" + office.settings.pipeName + ";urp;",
            headless ? "--headless" : "--invisible",
            "--norestore",
            "--nologo",
            "--nodefault",
            "-env:UserInstallation=file:///tmp/p"};
        EXPECT_EQ(office.arguments(), expected);
    }
}

} // namespace
} // namespace zorvane
