#include "reports/DocxReport.h"

#include "reports/OpcPackage.h"
#include "reports/ReportError.h"
#include "reports/ReportFile.h"
#include "reports/WordDocumentXml.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zorvane {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kTemplateType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml";
constexpr std::string_view kDocumentType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
constexpr const char* kImageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
constexpr std::int64_t kEmuPerTwip = 635;
constexpr std::uintmax_t kMaxTemplateSize = 64u << 20;

constexpr const char* kPictureBookmark = "xyz";
constexpr const char* kTableBookmark = "dat";

std::string folderOf(std::string_view part) {
    const auto slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

// "no a, no b and no c"
std::string missingList(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? " and " : ", ";
        out += "no " + items[i];
    }
    return out;
}

// Everything the report relies on, looked up before anything is changed, so that a template
// that lacks several things says so once.
struct Anchors {
    pugi::xml_node table;
    std::vector<pugi::xml_node> cells;
    pugi::xml_node picture;
    pugi::xml_node points;
};

Anchors findAnchors(const WordDocumentXml& word, const ReportContent& content,
                    const std::string& label) {
    Anchors a;
    std::vector<std::string> missing;
    a.table = word.firstTable();
    if (!a.table) missing.push_back("table for the case");
    for (const ReportCell& c : content.caseCells) {
        a.cells.push_back(word.cell(a.table, c.row, c.column));
        if (a.table && !a.cells.back())
            missing.push_back("cell (" + std::to_string(c.row) + ", " + std::to_string(c.column) +
                              ") in its first table");
    }
    a.picture = word.bookmark(kPictureBookmark);
    if (!a.picture)
        missing.push_back(std::string("bookmark \"") + kPictureBookmark + "\" for the drawing");
    a.points = word.bookmark(kTableBookmark);
    if (!a.points)
        missing.push_back(std::string("bookmark \"") + kTableBookmark + "\" for the points");
    if (!missing.empty())
        throw ReportError(label + " cannot be used: it has " + missingList(missing) + ".");
    return a;
}

// The drawing as wide as the text, its shape kept, never taller than the page's text.
std::pair<std::int64_t, std::int64_t> pictureSize(const ReportPicture& picture,
                                                  const WordDocumentXml& word) {
    const std::int64_t maxWidth = word.textWidth() * kEmuPerTwip;
    const std::int64_t maxHeight = word.textHeight() * kEmuPerTwip * 9 / 10;
    const auto [w, h] =
        fittedPictureSize(picture.width, picture.height, static_cast<double>(maxWidth),
                          static_cast<double>(maxHeight));
    return {std::max<std::int64_t>(1, static_cast<std::int64_t>(w + 0.5)),
            std::max<std::int64_t>(1, static_cast<std::int64_t>(h + 0.5))};
}

void insertDrawing(OpcPackage& package, const std::string& mainPart, WordDocumentXml& word,
                   pugi::xml_node bookmark, const ReportPicture& picture) {
    const std::string folder = folderOf(mainPart);
    const std::string media = package.freshPartName(folder + "media/", "zorvane-drawing", "png");
    package.setPart(media, std::string(picture.png.begin(), picture.png.end()));
    package.ensureDefaultContentType("png", "image/png");
    const std::string id =
        package.addRelationship(mainPart, kImageRelationship, media.substr(folder.size()));
    const auto [cx, cy] = pictureSize(picture, word);
    word.insertPicture(bookmark, id, cx, cy);
}

void fillPoints(WordDocumentXml& word, pugi::xml_node bookmark, const ReportContent& content,
                const ReportProgress& progress, int& step, int steps) {
    if (content.grid.empty()) return; // a table needs a row; a grid always has two
    const pugi::xml_node table =
        word.insertTable(bookmark, static_cast<int>(content.grid.size()), content.columns);
    const auto rows = word.rows(table);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto cells = word.cells(rows[r]);
        for (std::size_t c = 0; c < cells.size() && c < content.grid[r].size(); ++c)
            word.appendText(cells[c], content.grid[r][c]);
        if (progress) progress(++step, steps);
    }
}

std::vector<std::uint8_t> readTemplate(const fs::path& path, const std::string& label) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (!fs::exists(status)) throw ReportError(label + " cannot be found.");
    if (!fs::is_regular_file(status)) throw ReportError(label + " is not a file.");
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) throw ReportError(label + " cannot be read (" + ec.message() + ").");
    if (size > kMaxTemplateSize)
        throw ReportError(label + " is too large to be a report template.");
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) throw ReportError(label + " cannot be opened.");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) throw ReportError(label + " cannot be read.");
    return bytes;
}

} // namespace

int docxReportSteps(const ReportContent& content) {
    return static_cast<int>(content.grid.size()) + 4;
}

std::vector<std::uint8_t> buildDocxReport(std::span<const std::uint8_t> templateBytes,
                                          const std::string& label, const ReportContent& content,
                                          const ReportProgress& progress) {
    const int steps = docxReportSteps(content);
    int step = 0;
    auto advance = [&] {
        if (progress) progress(++step, steps);
    };
    if (progress) progress(0, steps);

    OpcPackage package = OpcPackage::read(templateBytes, label);
    const std::string mainPart = package.mainPart();
    const std::string type = package.contentType(mainPart);
    if (type != kTemplateType && type != kDocumentType)
        throw ReportError(label + " is not a Word template: its main part is of the type \"" +
                          type + "\".");
    WordDocumentXml word(package.part(mainPart), label, mainPart);
    const Anchors anchors = findAnchors(word, content, label);
    advance();

    for (std::size_t i = 0; i < content.caseCells.size(); ++i)
        word.appendText(anchors.cells[i], content.caseCells[i].text);
    advance();

    if (!content.drawing.empty())
        insertDrawing(package, mainPart, word, anchors.picture, content.drawing);
    advance();

    fillPoints(word, anchors.points, content, progress, step, steps);

    // Office opens a template as a new, unsaved document; ours is that document already.
    package.setContentTypeOverride(mainPart, kDocumentType);
    package.setPart(mainPart, word.save());
    std::vector<std::uint8_t> bytes = package.zipBytes();
    advance();
    return bytes;
}

fs::path writeDocxReport(const fs::path& templatePath, const fs::path& folder,
                         const ReportContent& content, const ReportProgress& progress) {
    const std::string label = "The report template \"" + templatePath.string() + "\"";
    const std::vector<std::uint8_t> templateBytes = readTemplate(templatePath, label);
    const std::vector<std::uint8_t> document =
        buildDocxReport(templateBytes, label, content, progress);
    return saveNewReport(folder, content.caseName, "docx", document);
}

std::string noWordProgramMessage(const fs::path& document) {
    return "Microsoft Office is not installed on your computer. For more information, visit "
           "https://www.microsoft.com/microsoft-365/word. The report was saved as \"" +
           document.string() + "\".";
}

} // namespace zorvane
