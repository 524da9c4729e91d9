// Writes the Word report of a small sample case, for the system test and for a look at the
// layout:  docx_report_sample <xyz|polar|nesw> <template> <folder>
// Prints the document's path, and writes "<folder>/expected.txt": the texts a reader of the
// document must find (the case name, the grid titles and every point number), one a line.
#include "SampleCase.h"
#include "case/GridTexts.h"
#include "reports/DocxReport.h"

#include <fstream>
#include <iostream>

using namespace zorvane;
using namespace zorvane::samples;

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: docx_report_sample <xyz|polar|nesw> <template> <folder>\n";
        return 2;
    }
    try {
        const CaseState doc = sampleCase(argv[1]);
        const auto grid = displayedGrid(doc);
        const ReportContent content = buildReportContent(doc, grid, samplePicture(doc));
        const auto path = writeDocxReport(argv[2], argv[3], content);
        std::ofstream expected(std::filesystem::path(argv[3]) / "expected.txt", std::ios::binary);
        expected << content.caseName << '\n';
        for (const auto& title : content.grid.front()) expected << title << '\n';
        for (const auto& p : doc.points) expected << p.number << '\n';
        std::cout << path.string() << '\n';
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
