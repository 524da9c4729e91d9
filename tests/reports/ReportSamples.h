#pragma once
// Small cases, the shipped template and a reader for the documents the report writes.
#include "reports/OpcPackage.h"
#include "reports/ReportContent.h"

#include <pugixml.hpp>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zorvane::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline Bytes shippedTemplate() {
    return readBytes(ZORVANE_WORD_TEMPLATE);
}

// A real 3 × 2 picture (red, green, blue / white, grey, black).
inline Bytes samplePng() {
    return {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
            0x44, 0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00,
            0x00, 0x12, 0x16, 0xF1, 0x4D, 0x00, 0x00, 0x00, 0x16, 0x49, 0x44, 0x41, 0x54, 0x78,
            0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xC0, 0x00, 0xC1, 0xFF, 0xFF, 0xFF, 0x6F, 0x68, 0x68,
            0x00, 0x32, 0x01, 0x4C, 0x4F, 0x07, 0x7B, 0xE4, 0x79, 0xA7, 0x44, 0x00, 0x00, 0x00,
            0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
}

// A case of the mode with `points` points, and its grid as the main window shows it.
inline ReportContent sampleContent(CaseMode mode, int points, Bytes png = samplePng()) {
    CaseData data;
    data.mode = mode;
    data.caseName = "Crossing A7 / B12";
    data.caseDescription = "Two cars, one cyclist";
    data.incident.date = "12/03/2024";
    data.incident.hour = "14:30";
    data.incident.place = "Main Street";
    data.incident.name1 = "J. Doe";
    data.incident.name2 = "R. Roe";
    data.incident.circumstances = "Line one\r\nLine two";
    const int columns = reportColumnCount(mode);
    std::vector<std::vector<std::string>> grid;
    if (mode == CaseMode::Nesw)
        grid.push_back(
            {"Number", "North", "East", "South", "West", "Elevation", "Description", "Code"});
    else if (mode == CaseMode::Polar)
        grid.push_back(
            {"Number", "Compass d\xB0", "M. Length", "M. Height", "Description", "Code"});
    else
        grid.push_back({"Number", "Measure. X", "Measure. Y", "Measure. Z", "Description", "Code"});
    for (int p = 0; p < points; ++p) {
        std::vector<std::string> row = {std::to_string(101 + p * 7)};
        for (int c = 1; c < columns - 1; ++c)
            row.push_back(std::to_string(p) + "." + std::to_string(c) + "0");
        row.push_back("Tree " + std::to_string(p));
        row.push_back("TR");
        grid.push_back(row);
    }
    grid.emplace_back(static_cast<std::size_t>(columns + 1));
    return buildReportContent(data, grid, std::move(png));
}

// A written document, opened again.
struct OpenedDocx {
    OpcPackage package;
    pugi::xml_document document;

    explicit OpenedDocx(const Bytes& bytes) : package(OpcPackage::read(bytes, "The report")) {
        const std::string& xml = package.part(package.mainPart());
        if (!document.load_buffer(xml.data(), xml.size(),
                                  pugi::parse_default | pugi::parse_ws_pcdata))
            throw std::runtime_error("the main part is not XML");
    }

    pugi::xml_node body() const { return document.child("w:document").child("w:body"); }
    std::vector<pugi::xml_node> tables() const {
        std::vector<pugi::xml_node> out;
        for (pugi::xpath_node n : body().select_nodes(".//w:tbl")) out.push_back(n.node());
        return out;
    }
    static std::vector<pugi::xml_node> children(pugi::xml_node n, const char* name) {
        std::vector<pugi::xml_node> out;
        for (pugi::xml_node c : n.children(name)) out.push_back(c);
        return out;
    }
    // The text Word shows in a cell: breaks as '\n', tabs as '\t'.
    static std::string text(pugi::xml_node node) {
        std::string out;
        pugi::xpath_node_set parts = node.select_nodes(".//w:t | .//w:br | .//w:tab");
        parts.sort();
        for (pugi::xpath_node n : parts) {
            const std::string name = n.node().name();
            out += name == "w:t" ? n.node().text().get() : name == "w:br" ? "\n" : "\t";
        }
        return out;
    }
    static std::string cellText(pugi::xml_node table, int row, int column) {
        return text(children(children(table, "w:tr").at(row - 1), "w:tc").at(column - 1));
    }
};

} // namespace zorvane::testing
