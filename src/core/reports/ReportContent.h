#pragma once
// What a case report holds, whatever office suite it is made with: the texts of the template's
// case table, the drawing and the point grid exactly as the main window shows it. Both reports
// are built from this, so they follow the same rules. Texts are UTF-8 with '\n' for a new line.
#include "model/CaseData.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zorvane {

// Called as a report is made: step 0 at the start, then up to `steps`; for a wait window's bar.
using ReportProgress = std::function<void(int step, int steps)>;

// A text appended to a cell of the template's first table (rows and columns from 1).
struct ReportCell {
    int row = 0;
    int column = 0;
    std::string text;

    friend bool operator==(const ReportCell&, const ReportCell&) = default;
};

// The drawing surface as a PNG file. No bytes: the report has no picture.
struct ReportPicture {
    std::vector<std::uint8_t> png;
    int width = 0; // pixels
    int height = 0;

    bool empty() const { return png.empty(); }
};

struct ReportContent {
    std::string caseName;              // for the document's file name
    std::vector<ReportCell> caseCells; // in the order they are written
    // The grid as displayed: titles first, one row per point, the empty new-point row last;
    // every row has exactly `columns` cells.
    std::vector<std::vector<std::string>> grid;
    int columns = 5;
    ReportPicture drawing;
};

// Columns a report shows for a mode: the grid's visible ones (the code column is hidden).
constexpr int reportColumnCount(CaseMode mode) {
    return mode == CaseMode::Nesw ? 7 : 5;
}

// A picture of `width` × `height` pixels as wide as `maxWidth` allows, its shape kept, never
// taller than `maxHeight` (both in the unit of the result).
std::pair<double, double> fittedPictureSize(int width, int height, double maxWidth,
                                            double maxHeight);

// The name of a cell in a Writer table: column letter, then row ("B1" for row 1, column 2).
std::string reportCellName(int row, int column);

// The pixel size stored in a PNG file's header. Throws ReportError when the bytes are not a PNG.
ReportPicture pngPicture(std::vector<std::uint8_t> png);

// Builds the content from the case, the grid texts (rows of cp1252 cells as displayed; cells
// beyond the mode's visible columns are dropped, missing ones are empty) and the drawing as
// PNG bytes (none for no picture). Cells get, in this order: (1,2) case name, (2,2)
// description, (3,2) date + " " + hour, (4,2) place, (5,2) name 1, (6,2) name 2,
// (8,1) circumstances. Throws ReportError when the PNG bytes are not a PNG.
ReportContent buildReportContent(const CaseData& data,
                                 std::span<const std::vector<std::string>> gridTexts,
                                 std::vector<std::uint8_t> png);

} // namespace zorvane
