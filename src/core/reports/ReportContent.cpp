#include "reports/ReportContent.h"

#include "reports/ReportError.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>

namespace zorvane {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t bigEndian32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | std::uint32_t{b[at + 3]};
}

// The stored circumstances separate lines with CR LF; a lone CR or LF is a line break too.
std::string reportText(std::string_view cp1252) {
    const std::string utf8 = cp1252ToUtf8(cp1252);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            out.push_back(utf8[i]);
        }
    }
    return out;
}

std::vector<ReportCell> caseCells(const CaseData& data) {
    const IncidentRecord& inc = data.incident;
    return {{1, 2, reportText(data.caseName)},
            {2, 2, reportText(data.caseDescription)},
            {3, 2, reportText(inc.date.str() + " " + inc.hour.str())},
            {4, 2, reportText(inc.place.view())},
            {5, 2, reportText(inc.name1.view())},
            {6, 2, reportText(inc.name2.view())},
            {8, 1, reportText(inc.circumstances.view())}};
}

std::vector<std::string> reportRow(const std::vector<std::string>& cells, int columns) {
    std::vector<std::string> row(static_cast<std::size_t>(columns));
    const std::size_t n = std::min(cells.size(), row.size());
    for (std::size_t c = 0; c < n; ++c) row[c] = reportText(cells[c]);
    return row;
}

} // namespace

std::string reportCellName(int row, int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

std::pair<double, double> fittedPictureSize(int width, int height, double maxWidth,
                                            double maxHeight) {
    const double w = std::max(width, 1), h = std::max(height, 1);
    const double scale = std::min(maxWidth / w, maxHeight / h);
    return {w * scale, h * scale};
}

ReportPicture pngPicture(std::vector<std::uint8_t> png) {
    const std::span<const std::uint8_t> b(png);
    const bool header =
        b.size() >= 24 && std::equal(kPngSignature.begin(), kPngSignature.end(), b.begin()) &&
        bigEndian32(b, 8) == 13 && b[12] == 'I' && b[13] == 'H' && b[14] == 'D' && b[15] == 'R';
    if (!header) throw ReportError("The drawing could not be read: it is not a PNG picture.");
    const std::uint32_t w = bigEndian32(b, 16), h = bigEndian32(b, 20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF)
        throw ReportError("The drawing could not be read: its PNG header gives no valid size.");
    ReportPicture picture;
    picture.width = static_cast<int>(w);
    picture.height = static_cast<int>(h);
    picture.png = std::move(png);
    return picture;
}

ReportContent buildReportContent(const CaseData& data,
                                 std::span<const std::vector<std::string>> gridTexts,
                                 std::vector<std::uint8_t> png) {
    ReportContent content;
    content.caseName = reportText(data.caseName);
    content.caseCells = caseCells(data);
    content.columns = reportColumnCount(data.mode);
    content.grid.reserve(gridTexts.size());
    for (const auto& cells : gridTexts) content.grid.push_back(reportRow(cells, content.columns));
    if (!png.empty()) content.drawing = pngPicture(std::move(png));
    return content;
}

} // namespace zorvane
