#include "ui/view/GlyphCache.h"

#include "model/LegendRecord.h"
#include "text/Cp1252.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

namespace zorvane::ui {
namespace {

constexpr int kMaxPixelSize = 2048;
// Characters up to this size are rendered once per font and then copied; larger ones (a
// legend in a poster font) are drawn by QPainter each time rather than held in memory.
constexpr int kMaxCachedPixelSize = 200;
constexpr int kDefaultPixelSize = 12;
// Whole character boxes are kept for cells up to this height: the labels of the points.
constexpr int kMaxBoxedCellHeight = 64;
constexpr std::size_t kMaxFaces = 32;

} // namespace

QRgb mixRgb(QRgb dst, QRgb src, unsigned a) {
    const unsigned na = 255 - a;
    auto channel = [&](int shift) {
        return (((dst >> shift & 0xFF) * na + (src >> shift & 0xFF) * a + 127) / 255) << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

const std::array<QChar, 256>& unicodeOfCp1252() {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const QString s =
                QString::fromStdString(cp1252ToUtf8(std::string(1, static_cast<char>(b))));
            t[b] = s.isEmpty() ? QChar() : s.front();
        }
        return t;
    }();
    return table;
}

GlyphFace::GlyphFace(const CanvasFont& wanted) {
    font = QFont(QString::fromStdString(cp1252ToUtf8(wanted.name)));
    font.setBold(wanted.style & kBold);
    font.setItalic(wanted.style & kItalic);
    font.setUnderline(wanted.style & kUnderline);
    font.setStrikeOut(wanted.style & kStrikeOut);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    const std::int64_t h = wanted.height;
    std::int64_t px = kDefaultPixelSize;
    if (h < 0) {
        px = -h;
    } else if (h > 0) {
        QFont probe(font);
        probe.setPixelSize(1000);
        const double cellPerPixel = QFontMetricsF(probe).height() / 1000;
        px = std::llround(static_cast<double>(h) / (cellPerPixel > 0 ? cellPerPixel : 1));
    }
    const bool clamped = px < 1 || px > kMaxPixelSize;
    pixelSize = static_cast<int>(std::clamp<std::int64_t>(px, 1, kMaxPixelSize));
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    cellHeight = h > 0 && !clamped ? static_cast<int>(h) : metrics.height();
    ascent = metrics.ascent();
    cached = pixelSize <= kMaxCachedPixelSize;
    const auto& unicode = unicodeOfCp1252();
    for (int b = 0; b < 256; ++b)
        advance[b] = unicode[b].isNull() ? 0 : metrics.horizontalAdvance(unicode[b]);
}

const GlyphFace::Mask& GlyphFace::mask(unsigned char byte) {
    Mask& m = masks[byte];
    if (m.built) return m;
    m.built = true;
    const QChar ch = unicodeOfCp1252()[byte];
    if (ch.isNull()) return m;
    const int pad = pixelSize + 4; // room for overhangs, accents and descenders
    QImage scratch(advance[byte] + 2 * pad, cellHeight + 2 * pad, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter p(&scratch);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPoint(pad, pad + ascent), QString(ch));
    }
    int x0 = scratch.width(), y0 = scratch.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x)
            if (row[x] != 0xFFFFFFFFu)
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = y;
    }
    if (x1 < 0) return m;
    m.left = x0 - pad, m.top = y0 - pad, m.width = x1 - x0 + 1, m.height = y1 - y0 + 1;
    m.alpha.resize(static_cast<std::size_t>(m.width) * m.height);
    for (int y = 0; y < m.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y0 + y));
        for (int x = 0; x < m.width; ++x)
            m.alpha[static_cast<std::size_t>(y) * m.width + x] =
                static_cast<unsigned char>(255 - qGreen(row[x0 + x]));
    }
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            const unsigned a = m.alpha[static_cast<std::size_t>(y) * m.width + x];
            if (a != 0 && !inBox(byte, m.left + x, m.top + y))
                m.outside.push_back({m.left + x, m.top + y, a});
        }
    overhangs[byte] = !m.outside.empty();
    return m;
}

bool GlyphFace::inBox(unsigned char byte, int x, int y) const {
    return x >= 0 && x < advance[byte] && y >= 0 && y < cellHeight;
}

std::shared_ptr<GlyphTint> GlyphFace::tint(QRgb rgb) {
    for (auto it = tints.begin(); it != tints.end(); ++it)
        if ((*it)->rgb == rgb) return *it;
    if (tints.size() >= 8) tints.erase(tints.begin());
    tints.push_back(std::make_shared<GlyphTint>());
    tints.back()->rgb = rgb;
    return tints.back();
}

const std::vector<GlyphTint::Pixel>& GlyphFace::ink(GlyphTint& t, unsigned char byte) {
    std::vector<GlyphTint::Pixel>& pixels = t.ink[byte];
    if (t.built[byte]) return pixels;
    t.built[byte] = true;
    const Mask& m = mask(byte);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (const unsigned a = m.alpha[static_cast<std::size_t>(y) * m.width + x];
                a != 0 && inBox(byte, m.left + x, m.top + y))
                pixels.push_back({static_cast<std::int16_t>(m.left + x),
                                  static_cast<std::int16_t>(m.top + y),
                                  mixRgb(0xFFFFFFFFu, t.rgb, a)});
    return pixels;
}

bool GlyphFace::keepsBoxes() const {
    return cached && cellHeight <= kMaxBoxedCellHeight;
}

const std::vector<QRgb>& GlyphFace::box(GlyphTint& t, unsigned char byte) {
    std::vector<QRgb>& pixels = t.box[byte];
    if (t.boxBuilt[byte]) return pixels;
    t.boxBuilt[byte] = true;
    const int stride = boxStride(advance[byte]);
    pixels.assign(static_cast<std::size_t>(stride) * cellHeight, 0xFFFFFFFFu);
    for (const GlyphTint::Pixel& p : ink(t, byte))
        pixels[static_cast<std::size_t>(p.dy) * stride + p.dx] = p.rgb;
    return pixels;
}

namespace {

// Faces live as long as the program; a handful of fonts are in use at any time.
using FaceCache =
    std::map<std::tuple<std::string, std::int32_t, std::uint8_t>, std::shared_ptr<GlyphFace>>;

FaceCache& faceCache() {
    static FaceCache faces;
    return faces;
}

// Fonts must not outlive the application object.
void dropFaces() {
    faceCache().clear();
}

} // namespace

std::shared_ptr<GlyphFace> glyphFaceFor(const CanvasFont& wanted) {
    FaceCache& faces = faceCache();
    const auto key = std::make_tuple(wanted.name, wanted.height, wanted.style);
    if (const auto it = faces.find(key); it != faces.end()) return it->second;
    if (faces.empty()) qAddPostRoutine(dropFaces);
    if (faces.size() >= kMaxFaces) faces.clear();
    auto face = std::make_shared<GlyphFace>(wanted);
    faces.emplace(key, face);
    return face;
}

} // namespace zorvane::ui
