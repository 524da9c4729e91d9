#include "view/PointsPass.h"

#include "view/Prefetch.h"

#include <algorithm>
#include <charconv>

namespace zorvane {

namespace {

constexpr int kDotPen = 3;
constexpr std::size_t kMarkRun = 512;

struct Digits {
    explicit Digits(std::int32_t n) : end(std::to_chars(buf, buf + sizeof buf, n).ptr) {}
    std::string_view view() const { return {buf, static_cast<std::size_t>(end - buf)}; }
    char buf[16];
    char* end;
};

// One bit per surface pixel, for the label cells that are painted later in the pass. The words
// of a 64-pixel column strip are stored top to bottom, so that the rows of a cell are one run
// of memory.
class CoverageMask {
  public:
    CoverageMask(std::int64_t width, std::int64_t height)
        : height_(height), bits_(static_cast<std::size_t>((width + 63) / 64 * height), 0) {}

    // Marks the pixels x0..x1-1 by y0..y1-1 and tells whether all of them were marked already.
    bool cover(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
        const std::int64_t w0 = x0 / 64, w1 = (x1 - 1) / 64;
        std::uint64_t missing = 0;
        for (std::int64_t w = w0; w <= w1; ++w) {
            std::uint64_t mask = ~std::uint64_t{0};
            if (w == w0) mask &= ~std::uint64_t{0} << (x0 % 64);
            if (w == w1) mask &= ~std::uint64_t{0} >> (63 - (x1 - 1) % 64);
            std::uint64_t* strip = bits_.data() + w * height_;
            for (std::int64_t y = y0; y < y1; ++y) {
                missing |= mask & ~strip[y];
                strip[y] |= mask;
            }
        }
        return missing == 0;
    }

  private:
    std::int64_t height_;
    std::vector<std::uint64_t> bits_;
};

} // namespace

PointsPass::PointsPass(const PlanView& view, Canvas& canvas)
    : canvas_(canvas), toggles_(view.toggles), width_(view.width), height_(view.height),
      labelHeight_(view.labelHeight) {}

void PointsPass::draw(const PointTable& points, const ScreenPositions& screen,
                      const CanvasFont& font) {
    canvas_.setFont(font);
    textColour_ = font.colour;
    if (!toggles_.showPoints && !toggles_.showNumbers && !toggles_.showDescriptions) return;
    cellHeight_ = canvas_.textHeight();
    const std::size_t count = std::min(points.size(), screen.size());
    marks_.reserve(kMarkRun);
    if (toggles_.showNumbers || toggles_.showDescriptions) {
        placeFromLast(points, screen, count);
        for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) drawPlaced(*it);
    } else {
        drawDots(points, screen, count);
    }
    if (!marks_.empty()) canvas_.marks(marks_, kDotPen);
}

void PointsPass::drawDots(const PointTable& points, const ScreenPositions& screen,
                          std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kPrefetchAhead < count) prefetch(&points[i + kPrefetchAhead].markColour);
        const PointRecord& p = points[i];
        int x, y;
        if (!place(p, screen[i], x, y) || !dotOnSurface(x, y)) continue;
        if (marks_.size() == kMarkRun) canvas_.marks(marks_, kDotPen), marks_.clear();
        marks_.push_back({x, y, p.markColour});
    }
}

// Labels are opaque cells and most of a dense case's labels end up under later ones: the walk
// from the last point back to the first finds those wholly covered, which are then not painted
// at all. The walk also keeps what the painting needs, so the points are read once.
void PointsPass::placeFromLast(const PointTable& points, const ScreenPositions& screen,
                               std::size_t count) {
    CoverageMask later(std::max<std::int64_t>(width_, 0), std::max<std::int64_t>(height_, 0));
    auto visible = [&](Cell c, std::string_view text) {
        std::int64_t x1, y1;
        return onSurface(c, text, x1, y1) &&
               !later.cover(std::max<std::int64_t>(c.x, 0), std::max<std::int64_t>(c.y, 0), x1, y1);
    };
    placed_.clear();
    for (std::size_t i = count; i-- > 0;) {
        if (i >= kPrefetchAhead) prefetch(&points[i - kPrefetchAhead]);
        const PointRecord& p = points[i];
        int x, y;
        if (!place(p, screen[i], x, y)) continue;
        std::uint8_t shown = toggles_.showPoints && dotOnSurface(x, y) ? kDot : 0;
        // Painted number first, descriptor second: met here the other way round.
        if (toggles_.showDescriptions && !p.descriptor.empty() &&
            visible(descriptorCell(x, y), p.descriptor.view()))
            shown |= kDescriptor;
        if (toggles_.showNumbers && visible(numberCell(x, y), Digits(p.number).view()))
            shown |= kNumber;
        if (shown) placed_.push_back({&p, x, y, p.markColour, p.number, shown});
    }
}

void PointsPass::drawPlaced(const Placed& item) {
    if (item.shown & kDot) {
        if (marks_.size() == kMarkRun) canvas_.marks(marks_, kDotPen), marks_.clear();
        marks_.push_back({item.x, item.y, item.colour});
    }
    if (item.shown & kNumber)
        label(numberCell(item.x, item.y), Digits(item.number).view(), item.colour);
    if (item.shown & kDescriptor)
        label(descriptorCell(item.x, item.y), item.point->descriptor.view(), item.colour);
}

// The rounded surface position of a point that is drawn at all.
bool PointsPass::place(const PointRecord& p, ScreenPos s, int& x, int& y) const {
    if (toggles_.onlyMarked && p.markColour == 0) return false;
    if (s.x != s.x || s.y != s.y) return false; // no place on the surface
    x = roundHalfEven(s.x), y = roundHalfEven(s.y);
    return true;
}

// A 3-pixel mark further out than its pen width cannot touch the surface.
bool PointsPass::dotOnSurface(int x, int y) const {
    return x >= -kDotPen && y >= -kDotPen && x <= width_ + kDotPen && y <= height_ + kDotPen;
}

PointsPass::Cell PointsPass::numberCell(int x, int y) const {
    return {std::int64_t{x} + 4, std::int64_t{y} - labelHeight_};
}

PointsPass::Cell PointsPass::descriptorCell(int x, int y) const {
    return {std::int64_t{x} + 4, y};
}

// The part of a text cell on the surface; false when there is none.
bool PointsPass::onSurface(Cell c, std::string_view text, std::int64_t& x1, std::int64_t& y1) {
    if (c.x >= width_ || c.y >= height_ || c.y + cellHeight_ <= 0) return false;
    x1 = std::min(c.x + canvas_.textWidth(text), width_);
    y1 = std::min(c.y + cellHeight_, height_);
    return x1 > 0 && x1 > c.x;
}

void PointsPass::label(Cell c, std::string_view text, Colour colour) {
    if (!marks_.empty()) canvas_.marks(marks_, kDotPen), marks_.clear();
    if (textColour_ != colour) {
        canvas_.setTextColour(colour);
        textColour_ = colour;
    }
    canvas_.text(static_cast<int>(c.x), static_cast<int>(c.y), text);
}

} // namespace zorvane
