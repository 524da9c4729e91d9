// Makes the LibreOffice Writer report of a small sample case of each mode with an office of its
// own (headless, its own pipe and profile, started once and ended at the end), stored as
// OpenDocument text and PDF instead of shown:
//     odt_report_sample <template> <folder>
// Writes "<folder>/<mode>.odt", "<folder>/<mode>.pdf" and "<folder>/expected.json": per mode
// what the document must hold (case cells by name, the rows of the point table).
#include "SampleCase.h"
#include "case/GridTexts.h"
#include "reports/ReportFile.h"
#include "uno/WriterReport.h"

#include <unistd.h>

#include <fstream>
#include <iostream>

using namespace zorvane;
using namespace zorvane::samples;
namespace fs = std::filesystem;

namespace {

std::string json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string expected(const ReportContent& content) {
    std::string cells;
    for (const ReportCell& c : content.caseCells)
        cells += (cells.empty() ? "" : ", ") + json(reportCellName(c.row, c.column)) + ": " +
                 json(c.text);
    std::string rows;
    for (const auto& row : content.grid) {
        std::string r;
        for (const auto& cell : row) r += (r.empty() ? "" : ", ") + json(cell);
        rows += (rows.empty() ? "[" : ", [") + r + "]";
    }
    return "{\"caseName\": " + json(content.caseName) + ", \"cells\": {" + cells +
           "}, \"columns\": " + std::to_string(content.columns) + ", \"rows\": [" + rows + "]}";
}

// The batch office goes however the samples end.
struct BatchOffice {
    OfficeSettings settings;
    ~BatchOffice() {
        try {
            endBatchOffice(settings);
        } catch (const std::exception& e) {
            std::cerr << e.what() << '\n';
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: odt_report_sample <template> <folder>\n";
        return 2;
    }
    const fs::path folder = fs::absolute(argv[2]);
    try {
        fs::create_directories(folder);
        BatchOffice office{defaultOfficeSettings()};
        office.settings.pipeName = "zorvane_test_" + std::to_string(::getpid());
        office.settings.headless = true;
        office.settings.extraArguments = {"-env:UserInstallation=" + fileUrl(folder / "profile")};
        office.settings.wait = std::chrono::seconds(180); // a fresh profile is slow to make

        std::string all;
        for (const char* mode : {"xyz", "polar", "nesw"}) {
            const CaseState doc = sampleCase(mode);
            WriterReportRequest request;
            request.templatePath = argv[1];
            request.content = buildReportContent(doc, displayedGrid(doc), samplePicture(doc));
            request.storeAs = folder / (std::string(mode) + ".odt");
            createWriterReport(office.settings, request);
            all += (all.empty() ? "{" : ", ") + json(mode) + ": " + expected(request.content);
            std::cout << request.storeAs.string() << '\n';
        }
        std::ofstream(folder / "expected.json", std::ios::binary) << all << "}\n";
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
