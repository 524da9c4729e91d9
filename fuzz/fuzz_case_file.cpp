// Case files come from anywhere: whatever the bytes, opening must either refuse them with a
// CaseFileError or give a case that draws, saves and reopens to exactly the same bytes. The
// redraw is where a points text like "1-1048576" could cost gigabytes, so it runs too.
#include "case/CaseDocument.h"
#include "files/CaseFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zorvane;

namespace {

// A surface that only measures: texts are 6 pixels a character and 12 high.
class MeasuringCanvas : public Canvas {
  public:
    void fillRect(int, int, int, int, Colour) override {}
    void setPen(Colour, int) override {}
    void line(int, int, int, int) override {}
    void marks(std::span<const Mark>, int) override {}
    void polyline(std::span<const PixelPos>) override {}
    void polygon(std::span<const PixelPos>, Colour) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void setFont(const CanvasFont&) override {}
    void setTextColour(Colour) override {}
    void text(int, int, std::string_view) override {}
    int textWidth(std::string_view s) override { return static_cast<int>(s.size()) * 6; }
    int textHeight() override { return 12; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CaseFileContents contents;
    try {
        contents = parseCaseFile({data, size});
    } catch (const CaseFileError&) {
        return 0;
    }
    CaseDocument doc;
    doc.setSurfaceSize(800, 600);
    doc.setToggles({true, true, true, false, true, true});
    doc.open(std::move(contents));

    // The grid shows every stored value, however odd.
    const CaseState& s = doc.state();
    const int rows = PointGrid::rowCount(s.points.size());
    for (int row = 0; row < rows && row < 64; ++row)
        for (int col = 0; col < PointGrid::columnCount(s.mode); ++col)
            (void)s.grid.cell(s.points, s.mode, row, col);
    MeasuringCanvas canvas;
    doc.redraw(canvas);

    const std::vector<std::uint8_t> saved = serialiseCase(s, true);
    CaseDocument reopened;
    reopened.open(parseCaseFile(saved));
    if (serialiseCase(reopened.state(), true) != saved) {
        std::fprintf(stderr, "a reopened case saves to other bytes\n");
        std::abort();
    }
    if (serialiseCase(s, false).size() != saved.size() - s.images.buffer().size()) std::abort();
    return 0;
}
