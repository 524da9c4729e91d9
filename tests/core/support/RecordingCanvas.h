#pragma once
// A canvas that writes every call down as one line of text, so that tests can compare what
// the renderer drew, in order, against what they expect. Texts are 6 pixels per character;
// the cell height is the font height for a positive height and |height| + 2 otherwise.
#include "view/Canvas.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace zorvane::testing {

class RecordingCanvas : public Canvas {
  public:
    std::vector<std::string> calls;

    // Calls that start with `prefix`, in order.
    std::vector<std::string> only(const std::string& prefix) const {
        std::vector<std::string> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
        return out;
    }

    void fillRect(int l, int t, int r, int b, Colour c) override {
        add("fill %d %d %d %d %06x", l, t, r, b, c);
    }
    void setPen(Colour c, int w) override { add("pen %06x %d", c, w); }
    void line(int x1, int y1, int x2, int y2) override { add("line %d %d %d %d", x1, y1, x2, y2); }
    void marks(std::span<const Mark> at, int width) override {
        for (const Mark& m : at) add("mark %d %d %06x %d", m.x, m.y, m.colour, width);
    }
    void polyline(std::span<const PixelPos> v) override { calls.push_back("polyline" + list(v)); }
    void polygon(std::span<const PixelPos> v, Colour fill) override {
        char tail[16];
        std::snprintf(tail, sizeof tail, " fill %06x", fill);
        calls.push_back("polygon" + list(v) + tail);
    }
    void arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override {
        add("arc %d %d %d %d from %d %d to %d %d", l, t, r, b, xs, ys, xe, ye);
    }
    void setFont(const CanvasFont& f) override {
        font = f;
        add("font %s %d %d %06x", f.name.c_str(), f.height, f.style, f.colour);
    }
    void setTextColour(Colour c) override {
        font.colour = c;
        add("colour %06x", c);
    }
    void text(int x, int y, std::string_view s) override {
        add("text %d %d ", x, y);
        calls.back() += s;
    }
    int textWidth(std::string_view s) override { return 6 * static_cast<int>(s.size()); }
    int textHeight() override {
        // Stored heights may be any 32-bit value, the smallest one included.
        return font.height > 0 ? font.height
                               : static_cast<int>(std::min<std::int64_t>(
                                     2 - std::int64_t{font.height}, INT_MAX));
    }

    CanvasFont font;

  private:
    template <class... A> void add(const char* format, A... args) {
        char buf[160];
        std::snprintf(buf, sizeof buf, format, args...);
        calls.emplace_back(buf);
    }
    static std::string list(std::span<const PixelPos> v) {
        std::string s;
        for (const PixelPos& p : v) s += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        return s;
    }
};

} // namespace zorvane::testing
