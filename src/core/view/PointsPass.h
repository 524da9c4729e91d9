#pragma once
// The points of the plan: a dot per point in its mark colour, the number above and right of it
// and the descriptor below, in table order. This is the part of a redraw that grows with the
// case, and it runs on every step of a pan.
#include "model/PointRecord.h"
#include "model/ScreenPositions.h"
#include "view/Canvas.h"
#include "view/PlanView.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zorvane {

class PointsPass {
  public:
    PointsPass(const PlanView& view, Canvas& canvas);

    // Sets the label font and draws what the toggles show. Nothing is sent for what cannot
    // show: marks and label cells off the surface, and labels that later labels cover
    // completely (text cells are opaque), so the picture is that of drawing everything.
    void draw(const PointTable& points, const ScreenPositions& screen, const CanvasFont& font);

  private:
    static constexpr std::uint8_t kDot = 1, kNumber = 2, kDescriptor = 4;

    // A point with something to draw, found on the walk from the last point to the first.
    // Colour and number are copied: the records have left the cache by the time they are
    // painted.
    struct Placed {
        const PointRecord* point;
        int x, y;
        Colour colour;
        std::int32_t number;
        std::uint8_t shown; // kDot, kNumber, kDescriptor
    };
    struct Cell {
        std::int64_t x, y;
    };

    void drawDots(const PointTable& points, const ScreenPositions& screen, std::size_t count);
    void placeFromLast(const PointTable& points, const ScreenPositions& screen, std::size_t count);
    void drawPlaced(const Placed& item);
    bool place(const PointRecord& p, ScreenPos s, int& x, int& y) const;
    bool dotOnSurface(int x, int y) const;
    Cell numberCell(int x, int y) const;
    Cell descriptorCell(int x, int y) const;
    bool onSurface(Cell c, std::string_view text, std::int64_t& x1, std::int64_t& y1);
    void label(Cell c, std::string_view text, Colour colour);

    Canvas& canvas_;
    const DisplayToggles toggles_;
    const std::int64_t width_, height_, labelHeight_;
    std::int64_t cellHeight_ = 0;
    Colour textColour_ = 0;
    std::vector<Placed> placed_; // last point first
    std::vector<Mark> marks_;    // queued, so that a run of marks reaches the canvas in one call
};

} // namespace zorvane
