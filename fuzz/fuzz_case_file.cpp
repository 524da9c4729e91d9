// Case files come from anywhere: whatever the bytes, opening must either refuse them with a
// CaseFileError or give a case that saves and reopens to exactly the same bytes.
#include "files/CaseFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CaseFileContents contents;
    try {
        contents = parseCaseFile({data, size});
    } catch (const CaseFileError&) {
        return 0;
    }
    CaseState doc;
    applyCaseFile(doc, std::move(contents));

    // The grid shows every stored value, however odd.
    const int rows = PointGrid::rowCount(doc.points.size());
    for (int row = 0; row < rows && row < 64; ++row)
        for (int col = 0; col < PointGrid::columnCount(doc.mode); ++col)
            (void)doc.grid.cell(doc.points, doc.mode, row, col);

    const std::vector<std::uint8_t> saved = serialiseCase(doc, true);
    CaseState reopened;
    applyCaseFile(reopened, parseCaseFile(saved));
    if (serialiseCase(reopened, true) != saved) {
        std::fprintf(stderr, "a reopened case saves to other bytes\n");
        std::abort();
    }
    if (serialiseCase(doc, false).size() != saved.size() - doc.images.buffer().size()) std::abort();
    return 0;
}
