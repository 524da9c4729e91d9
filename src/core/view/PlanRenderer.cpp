#include "view/PlanRenderer.h"

#include "model/LegendRecord.h"
#include "view/PolylineDrawing.h"
#include "view/Prefetch.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace zorvane {

namespace {

constexpr int kDotPen = 3;

// Positions built from stored values (legend, north arrow, label height) may be any 32-bit
// value; sums of them are kept in 64 bits and brought back into the pixel range here.
int pixel(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -kPixelLimit, kPixelLimit));
}

// Point marks queued so that a run of them reaches the canvas in one call. Flushed before
// any label is drawn, so the painting order stays that of the points.
class MarkQueue {
  public:
    explicit MarkQueue(Canvas& canvas) : canvas_(canvas) {}
    ~MarkQueue() { flush(); }
    void push(int x, int y, Colour colour) {
        if (size_ == buffer_.size()) flush();
        buffer_[size_++] = {x, y, colour};
    }
    void flush() {
        if (size_ == 0) return;
        canvas_.marks(std::span<const Mark>(buffer_.data(), size_), kDotPen);
        size_ = 0;
    }

  private:
    Canvas& canvas_;
    std::array<Mark, 512> buffer_;
    std::size_t size_ = 0;
};

// One bit per surface pixel, for the label cells that will be painted later in the pass.
class CoverageMask {
  public:
    CoverageMask(std::int64_t width, std::int64_t height)
        : words_((width + 63) / 64), bits_(static_cast<std::size_t>(words_ * height), 0) {}

    // Marks the pixels x0..x1-1 by y0..y1-1 and tells whether all of them were marked already.
    bool cover(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
        bool hidden = true;
        const std::int64_t w0 = x0 / 64, w1 = (x1 - 1) / 64;
        for (std::int64_t y = y0; y < y1; ++y) {
            std::uint64_t* row = bits_.data() + y * words_;
            for (std::int64_t w = w0; w <= w1; ++w) {
                const std::uint64_t lo =
                    w == w0 ? ~std::uint64_t{0} << (x0 % 64) : ~std::uint64_t{0};
                const std::uint64_t hi =
                    w == w1 ? ~std::uint64_t{0} >> (63 - (x1 - 1) % 64) : ~std::uint64_t{0};
                const std::uint64_t mask = lo & hi;
                hidden = hidden && (row[w] & mask) == mask;
                row[w] |= mask;
            }
        }
        return hidden;
    }

  private:
    std::int64_t words_;
    std::vector<std::uint64_t> bits_;
};

class PointsPass {
  public:
    PointsPass(const PlanView& view, Canvas& canvas)
        : canvas_(canvas), toggles_(view.toggles), width_(view.width), height_(view.height),
          labelHeight_(view.labelHeight), marks_(canvas) {}

    void draw(const PointTable& points, const ScreenPositions& screen, const CanvasFont& font) {
        canvas_.setFont(font);
        textColour_ = font.colour;
        if (!toggles_.showPoints && !toggles_.showNumbers && !toggles_.showDescriptions) return;
        cellHeight_ = canvas_.textHeight();
        const std::size_t count = std::min(points.size(), screen.size());
        const bool labels = toggles_.showNumbers || toggles_.showDescriptions;
        if (labels) findHiddenLabels(points, screen, count);
        for (std::size_t i = 0; i < count; ++i) {
            const PointRecord& p = points[i];
            if (i + kPrefetchAhead < count) {
                prefetch(&points[i + kPrefetchAhead].markColour);
                if (labels) prefetch(&points[i + kPrefetchAhead]); // number and descriptor
            }
            const Colour colour = p.markColour;
            int x, y;
            if (!place(p, screen[i], x, y)) continue;
            if (toggles_.showPoints) dot(x, y, colour);
            const std::uint8_t hidden = hidden_.empty() ? 0 : hidden_[i];
            if (toggles_.showNumbers && !(hidden & kNumberHidden)) {
                Digits digits(p.number);
                label(numberCell(x, y), digits.view(), colour);
            }
            if (toggles_.showDescriptions && !p.descriptor.empty() && !(hidden & kDescriptorHidden))
                label(descriptorCell(x, y), p.descriptor.view(), colour);
        }
        marks_.flush();
    }

  private:
    static constexpr std::uint8_t kNumberHidden = 1, kDescriptorHidden = 2;

    struct Digits {
        explicit Digits(std::int32_t n) : end(std::to_chars(buf, buf + sizeof buf, n).ptr) {}
        std::string_view view() const { return {buf, static_cast<std::size_t>(end - buf)}; }
        char buf[16];
        char* end;
    };
    struct Cell {
        std::int64_t x, y;
    };
    Cell numberCell(int x, int y) const {
        return {std::int64_t{x} + 4, std::int64_t{y} - labelHeight_};
    }
    Cell descriptorCell(int x, int y) const { return {std::int64_t{x} + 4, y}; }

    // The rounded surface position of a point that is drawn at all.
    bool place(const PointRecord& p, ScreenPos s, int& x, int& y) const {
        if (toggles_.onlyMarked && p.markColour == 0) return false;
        if (s.x != s.x || s.y != s.y) return false; // no place on the surface
        x = roundHalfEven(s.x), y = roundHalfEven(s.y);
        return true;
    }

    // The part of a text cell on the surface; false when there is none.
    bool onSurface(Cell c, std::string_view text, std::int64_t& x1, std::int64_t& y1) {
        if (c.x >= width_ || c.y >= height_ || c.y + cellHeight_ <= 0) return false;
        x1 = std::min(c.x + canvas_.textWidth(text), width_);
        y1 = std::min(c.y + cellHeight_, height_);
        return x1 > 0 && x1 > c.x;
    }

    // Labels are opaque cells and most of a dense case's labels end up under later ones: a
    // walk from the last label back to the first finds those wholly covered, which are then
    // not painted at all. The picture stays exactly the same.
    void findHiddenLabels(const PointTable& points, const ScreenPositions& screen,
                          std::size_t count) {
        if (width_ <= 0 || height_ <= 0 || count == 0) return;
        CoverageMask later(width_, height_);
        hidden_.assign(count, 0);
        for (std::size_t i = count; i-- > 0;) {
            if (i >= kPrefetchAhead) prefetch(&points[i - kPrefetchAhead]);
            const PointRecord& p = points[i];
            int x, y;
            if (!place(p, screen[i], x, y)) continue;
            if (toggles_.showDescriptions && !p.descriptor.empty() &&
                covered(later, descriptorCell(x, y), p.descriptor.view()))
                hidden_[i] |= kDescriptorHidden;
            if (toggles_.showNumbers && covered(later, numberCell(x, y), Digits(p.number).view()))
                hidden_[i] |= kNumberHidden;
        }
    }

    bool covered(CoverageMask& later, Cell c, std::string_view text) {
        std::int64_t x1, y1;
        if (!onSurface(c, text, x1, y1)) return false;
        return later.cover(std::max<std::int64_t>(c.x, 0), std::max<std::int64_t>(c.y, 0), x1, y1);
    }

    void dot(int x, int y, Colour colour) {
        // A 3-pixel mark further out than its pen width cannot touch the surface.
        if (x < -kDotPen || y < -kDotPen || x > width_ + kDotPen || y > height_ + kDotPen) return;
        marks_.push(x, y, colour);
    }

    void label(Cell c, std::string_view text, Colour colour) {
        std::int64_t x1, y1;
        if (!onSurface(c, text, x1, y1)) return;
        marks_.flush();
        if (textColour_ != colour) {
            canvas_.setTextColour(colour);
            textColour_ = colour;
        }
        canvas_.text(static_cast<int>(c.x), static_cast<int>(c.y), text);
    }

    Canvas& canvas_;
    const DisplayToggles toggles_;
    const std::int64_t width_, height_, labelHeight_;
    MarkQueue marks_;
    std::int64_t cellHeight_ = 0;
    std::vector<std::uint8_t> hidden_; // per point: which labels later cells cover
    Colour textColour_ = 0;
};

void drawLegend(const LegendRecord& legend, Canvas& canvas) {
    canvas.setFont({legend.fontName.str(), legend.fontHeight, legend.fontStyle, legend.fontColour});
    const std::int64_t h = legend.fontHeight;
    const std::int64_t d = roundHalfEven(static_cast<double>(h) / 5);
    const std::int64_t left = legend.left, top = legend.top;
    std::int64_t y = top;
    std::int64_t w = 0;
    for (const auto& line : legend.lines) {
        if (line.empty()) continue;
        canvas.text(pixel(left + 2), pixel(y - d), line.view());
        w = std::max<std::int64_t>(w, canvas.textWidth(line.view()));
        y -= h;
    }
    if (!legend.boxed) return;
    canvas.setPen(legend.fontColour, 1);
    const int l = pixel(left), t = pixel(top), r = pixel(left + w + 4), b = pixel(y - d + 2);
    const std::array<PixelPos, 5> box{{{l, t}, {r, t}, {r, b}, {l, b}, {l, t}}};
    canvas.polyline(box);
}

void drawNorthArrow(PixelPos at, Canvas& canvas) {
    const std::int64_t x = at.x, y = at.y;
    canvas.setPen(kBlack, 1);
    canvas.setFont({"Arial", 15, kBold, kBlack});
    canvas.text(pixel(x - 3), pixel(y + 26), "N");
    const std::array<PixelPos, 3> triangle{
        {{pixel(x), pixel(y)}, {pixel(x - 5), pixel(y + 25)}, {pixel(x + 5), pixel(y + 25)}}};
    canvas.polygon(triangle, kWhite);
}

} // namespace

CanvasFont labelFont(const PlanView& view) {
    return {"Arial", view.labelHeight, 0, kBlack};
}

RedrawResult redrawPlan(const CaseData& doc, PlanView& view, Canvas& canvas) {
    canvas.fillRect(0, 0, view.width, view.height, kWhite);
    recomputeView(view.transform, doc.points, doc.screen, doc.mode);
    PointsPass(view, canvas).draw(doc.points, doc.screen, labelFont(view));
    if (doc.legend.visible) drawLegend(doc.legend, canvas);
    if (view.toggles.showNorthArrow) drawNorthArrow(view.northArrow, canvas);

    RedrawResult result;
    if (view.toggles.showPolylines) {
        PolylineDrawReport report = drawPolylines(doc.polylines, doc.points, doc.screen, canvas);
        result.conversionError = std::move(report.conversionError);
        if (!report.brokenNames.empty())
            result.brokenDefinitions = brokenDefinitionsMessage(report.brokenNames);
    }
    result.zoomReadout = zoomReadout(view.zoomFactor);
    return result;
}

} // namespace zorvane
