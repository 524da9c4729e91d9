#pragma once
// A small sample case of each mode and a plan-like picture of it, for the report samples that
// the system tests hand to LibreOffice.
#include "case/CaseState.h"
#include "model/PointRecord.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::samples {

using namespace std::string_view_literals;

// A plan-like picture: white paper, a faint grid, the points joined in order.
class Picture {
  public:
    Picture(int w, int h) : w_(w), h_(h), rgb_(static_cast<std::size_t>(w * h * 3), 255) {}

    void dot(int x, int y, int r, std::uint32_t c) {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) put(x + dx, y + dy, c);
    }
    void line(int x0, int y0, int x1, int y1, std::uint32_t c) {
        const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= n; ++i)
            put(x0 + (x1 - x0) * i / std::max(n, 1), y0 + (y1 - y0) * i / std::max(n, 1), c);
    }
    void grid(int step, std::uint32_t c) {
        for (int x = 0; x < w_; x += step) line(x, 0, x, h_ - 1, c);
        for (int y = 0; y < h_; y += step) line(0, y, w_ - 1, y, c);
    }

    std::vector<std::uint8_t> png() const {
        std::vector<std::uint8_t> raw;
        for (int y = 0; y < h_; ++y) {
            raw.push_back(0);
            raw.insert(raw.end(), rgb_.begin() + y * w_ * 3, rgb_.begin() + (y + 1) * w_ * 3);
        }
        uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
        std::vector<std::uint8_t> packed(packedSize);
        if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) !=
            Z_OK)
            throw std::runtime_error("cannot compress the picture");
        packed.resize(packedSize);

        std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        std::vector<std::uint8_t> header;
        put32(header, static_cast<std::uint32_t>(w_));
        put32(header, static_cast<std::uint32_t>(h_));
        header.insert(header.end(), {8, 2, 0, 0, 0});
        chunk(out, "IHDR", header);
        chunk(out, "IDAT", packed);
        chunk(out, "IEND", {});
        return out;
    }

  private:
    void put(int x, int y, std::uint32_t c) {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
        auto* p = &rgb_[static_cast<std::size_t>((y * w_ + x) * 3)];
        p[0] = static_cast<std::uint8_t>(c >> 16), p[1] = static_cast<std::uint8_t>(c >> 8),
        p[2] = static_cast<std::uint8_t>(c);
    }
    static void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
        for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
    }
    static void chunk(std::vector<std::uint8_t>& out, const char* type,
                      const std::vector<std::uint8_t>& data) {
        put32(out, static_cast<std::uint32_t>(data.size()));
        std::vector<std::uint8_t> body(type, type + 4);
        body.insert(body.end(), data.begin(), data.end());
        out.insert(out.end(), body.begin(), body.end());
        put32(out,
              static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
    }

    int w_, h_;
    std::vector<std::uint8_t> rgb_;
};

inline CaseState sampleCase(std::string_view mode) {
    CaseState doc;
    doc.mode = mode == "nesw" ? CaseMode::Nesw : mode == "polar" ? CaseMode::Polar : CaseMode::Xyz;
    doc.units = mode == "polar" ? UnitSettings{kFeetInches, 2} : UnitSettings{kMeter, 2};
    doc.caseName = "Crossing A7 & B12 <north>";
    doc.caseDescription = "Two cars and a cyclist, wet road";
    doc.incident = {"12/03/2024"sv,
                    "14:30"sv,
                    "Junction of Main Street and Mill Road"sv,
                    "Insp. Jane Doe"sv,
                    "Sgt. Ren\xE9 Roe"sv,
                    "Car 1 turned left into Mill Road.\r\nThe cyclist came from the north."sv};
    const char* descriptors[] = {"Kerb corner",      "Tyre mark start", "Tyre mark end",
                                 "Car 1 front left", "Bicycle",         "Lamp post"};
    for (int i = 0; i < 6; ++i) {
        PointRecord p;
        p.number = 201 + i * 13;
        p.descriptor = descriptors[i];
        p.code = "C" + std::to_string(i);
        p.m1 = doc.mode == CaseMode::Polar ? 20.0 + 47.5 * i : 1.25 + 2.5 * i;
        p.m2 = 3.5 + 1.75 * i;
        p.m3 = 0.05 * i;
        if (doc.mode == CaseMode::Nesw) p.m4 = 0.5 * i, p.m5 = 100.0 + 0.02 * i;
        doc.points.push_back(p);
    }
    doc.lastPointNumber = doc.points.back().number;
    doc.grid.rebuild(doc.units, '.');
    return doc;
}

inline std::vector<std::uint8_t> samplePicture(const CaseState& doc) {
    const int width = 900, height = 560, margin = 60;
    Picture picture(width, height);
    picture.grid(40, 0xE4E8EE);
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (const auto& p : doc.points) {
        const WorldPos w = worldPosition(p, doc.mode);
        minX = std::min(minX, w.x), maxX = std::max(maxX, w.x);
        minY = std::min(minY, w.y), maxY = std::max(maxY, w.y);
    }
    const double scale = std::min((width - 2 * margin) / std::max(maxX - minX, 1e-9),
                                  (height - 2 * margin) / std::max(maxY - minY, 1e-9));
    int lastX = -1, lastY = -1;
    for (const auto& p : doc.points) {
        const WorldPos w = worldPosition(p, doc.mode);
        const int x = margin + static_cast<int>((w.x - minX) * scale);
        const int y = height - margin - static_cast<int>((w.y - minY) * scale);
        if (lastX >= 0) picture.line(lastX, lastY, x, y, 0x3060A0);
        picture.dot(x, y, 5, 0xC02020);
        lastX = x, lastY = y;
    }
    return picture.png();
}

} // namespace zorvane::samples
