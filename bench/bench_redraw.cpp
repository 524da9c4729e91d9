// The whole redraw of the plan into a 1600 x 1000 image, as a middle-button pan repeats it on
// every mouse move. References in the same run: clearing the image alone (the floor of any
// frame), the same labels drawn with one QPainter::drawText each (the obvious way), and the
// same polylines and arcs stroked by QPainter itself. The ratios are printed at the end.
#include "files/CaseFile.h"
#include "ui/view/QtCanvas.h"
#include "view/PlanRenderer.h"
#include "view/PolylineDrawing.h"

#include "TimesReporter.h"
#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace zorvane;
using zorvane::ui::QtCanvas;

namespace {

constexpr int kWidth = 1600, kHeight = 1000;
constexpr DisplayToggles kEverything{true, true, true, false, true, false};
constexpr DisplayToggles kPolylinesOnly{false, false, false, false, true, false};

struct Scene {
    CaseData doc;
    PlanView view;
};

PointRecord pointAt(std::size_t number, double x, double y, std::string_view descriptor,
                    Colour mark) {
    PointRecord p;
    p.number = static_cast<std::int32_t>(number);
    p.m1 = x, p.m2 = y;
    p.descriptor = descriptor;
    p.markColour = mark;
    return p;
}

// Zoomed so that about a fifth of a site of 100 x 100 units falls outside the surface.
void frame(Scene& s) {
    s.view.width = kWidth, s.view.height = kHeight;
    rebuildScreenPositions(s.doc.screen, s.doc.points, CaseMode::Xyz);
    recomputeView(s.view.transform, s.doc.points, s.doc.screen, CaseMode::Xyz);
    zoomAll(s.view, s.doc.screen);
    for (int step = 0; step < 3; ++step)
        zoomStep(s.view, s.doc.screen, kWidth / 2 + 100, kHeight / 2, true);
}

// A scanned site: points in a few dense clusters plus scatter; mostly unmarked, short
// descriptors on many. Numbers start at `first`.
void scatter(Scene& s, std::size_t first, std::size_t n, std::mt19937& rng) {
    std::normal_distribution<double> cluster(0, 8);
    std::uniform_real_distribution<double> site(0, 100);
    std::uniform_int_distribution<int> pick(0, 99);
    const double centres[][2] = {{20, 30}, {55, 60}, {80, 25}, {40, 85}};
    const char* descriptors[] = {"TREE", "KERB", "POLE", "SKID MARK", "", "", "BLOOD", "GLASS"};
    const Colour marks[] = {0x0000FF, 0x00FF00, 0xFF0000};
    for (std::size_t i = 0; i < n; ++i) {
        double x, y;
        if (pick(rng) < 70) {
            const auto& c = centres[pick(rng) % 4];
            x = c[0] + cluster(rng), y = c[1] + cluster(rng);
        } else {
            x = site(rng), y = site(rng);
        }
        const char* descriptor = descriptors[pick(rng) % 8];
        const int m = pick(rng);
        s.doc.points.push_back(pointAt(first + i, x, y, descriptor, m < 90 ? 0 : marks[m % 3]));
    }
}

const Scene& scene(std::size_t n) {
    static std::map<std::size_t, std::unique_ptr<Scene>> scenes;
    auto& slot = scenes[n];
    if (slot) return *slot;
    slot = std::make_unique<Scene>();
    std::mt19937 rng(42);
    scatter(*slot, 1, n, rng);
    frame(*slot);
    return *slot;
}

PolylineRecord definition(const std::string& name, const std::string& points, int colour,
                          int width) {
    PolylineRecord r;
    r.name = name;
    r.pointsText = points;
    r.colourIndex = colour;
    r.widthIndex = width;
    return r;
}

// A road edge measured densely: `n` points along a gentle curve right across the site.
void roadEdge(Scene& s, std::size_t first, std::size_t n, double offset) {
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n - 1);
        const double x = -5 + 110 * t;
        const double y = 45 + offset + 12 * std::sin(t * 3 * std::numbers::pi);
        s.doc.points.push_back(pointAt(first + i, x, y, i % 50 ? "" : "EDGE", 0));
    }
}

// The frame a user of a big case pans: 10^5 labelled points, two road edges of 10^4 points
// (one 3 pixels wide), and 998 kerbs, skid marks and curves of 30 points each, a fifth of
// them drawn as arcs (some with their full circle) and a third with wide pens.
constexpr std::size_t kFramePoints = 100000, kEdge = 10000, kFeatures = 998, kFeature = 30;

const Scene& frameScene() {
    static std::unique_ptr<Scene> slot;
    if (slot) return *slot;
    slot = std::make_unique<Scene>();
    Scene& s = *slot;
    std::mt19937 rng(7);
    roadEdge(s, 1, kEdge, 0);
    roadEdge(s, kEdge + 1, kEdge, 8);
    s.doc.polylines.push_back(definition("Edge", "1-" + std::to_string(kEdge), 6, 3));
    s.doc.polylines.push_back(
        definition("Edge2", std::to_string(kEdge + 1) + "-" + std::to_string(2 * kEdge), 7, 1));
    std::uniform_real_distribution<double> site(0, 100), radius(1, 6), turn(0.3, 5);
    std::size_t next = 2 * kEdge + 1;
    for (std::size_t f = 0; f < kFeatures; ++f) {
        const double cx = site(rng), cy = site(rng), r = radius(rng), sweep = turn(rng);
        const double start = site(rng) / 100 * 2 * std::numbers::pi;
        for (std::size_t k = 0; k < kFeature; ++k) {
            const double a = start + sweep * static_cast<double>(k) / (kFeature - 1);
            s.doc.points.push_back(
                pointAt(next + k, cx + r * std::cos(a), cy + r * std::sin(a), k ? "" : "KERB", 0));
        }
        const std::string first = std::to_string(next), middle = std::to_string(next + 14),
                          last = std::to_string(next + kFeature - 1);
        const int width = f % 3 == 0 ? 2 + static_cast<int>(f % 9) / 3 : static_cast<int>(f % 2);
        const int colour = static_cast<int>(f % 8);
        if (f % 5 == 0)
            s.doc.polylines.push_back(
                definition("a" + std::to_string(f),
                           first + "," + middle + "," + last + (f % 2 ? ",1" : ""), colour, width));
        else
            s.doc.polylines.push_back(
                definition("P" + std::to_string(f), first + "-" + last, colour, width));
        next += kFeature;
    }
    scatter(s, next, kFramePoints - (next - 1), rng);
    frame(s);
    return s;
}

// One long wide polyline alone on the plan: a trace of `n` points wandering over the site in
// steps of about 5 pixels, 3 pixels wide.
const Scene& wideScene(std::size_t n) {
    static std::map<std::size_t, std::unique_ptr<Scene>> scenes;
    auto& slot = scenes[n];
    if (slot) return *slot;
    slot = std::make_unique<Scene>();
    std::mt19937 rng(11);
    std::normal_distribution<double> bend(0, 0.3);
    double x = 50, y = 50, heading = 0;
    for (std::size_t i = 0; i < n; ++i) {
        slot->doc.points.push_back(pointAt(i + 1, x, y, "", 0));
        heading += bend(rng);
        x += 0.4 * std::cos(heading), y += 0.4 * std::sin(heading);
        if (x < 0 || x > 100) heading = std::numbers::pi - heading, x = std::clamp(x, 0.0, 100.0);
        if (y < 0 || y > 100) heading = -heading, y = std::clamp(y, 0.0, 100.0);
    }
    slot->doc.polylines.push_back(definition("Trace", "1-" + std::to_string(n), 6, 3));
    frame(*slot);
    slot->view.toggles = kPolylinesOnly;
    return *slot;
}

// A crafted case: a few points and 400 definitions naming a million numbers each.
const Scene& hostileScene(std::size_t points) {
    static std::map<std::size_t, std::unique_ptr<Scene>> scenes;
    auto& slot = scenes[points];
    if (slot) return *slot;
    slot = std::make_unique<Scene>();
    std::mt19937 rng(3);
    scatter(*slot, 1, points, rng);
    for (int k = 0; k < 400; ++k)
        slot->doc.polylines.push_back(definition("H" + std::to_string(k), "1-1048576", 0, 1));
    frame(*slot);
    slot->view.toggles = {true, true, false, false, true, false};
    return *slot;
}

// Reference canvas: lines, polylines and arcs stroked by QPainter with round caps and joins,
// as the plan was painted before it rasterised wide pens itself.
class QPainterStrokes final : public Canvas {
  public:
    explicit QPainterStrokes(QImage& image) : painter_(&image) {}
    void fillRect(int l, int t, int r, int b, Colour c) override {
        painter_.fillRect(l, t, r - l, b - t, rgb(c));
    }
    void setPen(Colour c, int w) override {
        painter_.setPen(QPen(rgb(c), w <= 1 ? 0 : w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    void line(int x1, int y1, int x2, int y2) override { painter_.drawLine(x1, y1, x2, y2); }
    void marks(std::span<const Mark>, int) override {}
    void polyline(std::span<const PixelPos> v) override {
        points_.clear();
        for (const PixelPos& p : v) points_.emplace_back(p.x, p.y);
        painter_.drawPolyline(points_.data(), static_cast<int>(points_.size()));
    }
    void polygon(std::span<const PixelPos>, Colour) override {}
    void arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override {
        const double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
        const double a0 = std::atan2(cy - ys, xs - cx) * 180 / std::numbers::pi;
        double sweep =
            std::fmod(std::atan2(cy - ye, xe - cx) * 180 / std::numbers::pi - a0 + 720, 360);
        if (sweep == 0) sweep = 360;
        QPainterPath path;
        path.arcMoveTo(QRectF(l, t, r - l, b - t), a0);
        path.arcTo(QRectF(l, t, r - l, b - t), a0, sweep);
        painter_.drawPath(path);
    }
    void setFont(const CanvasFont&) override {}
    void setTextColour(Colour) override {}
    void text(int, int, std::string_view) override {}
    int textWidth(std::string_view) override { return 0; }
    int textHeight() override { return 0; }

  private:
    static QColor rgb(Colour c) { return QColor(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF); }
    QPainter painter_;
    std::vector<QPoint> points_;
};

void redraw(benchmark::State& state, bool labels) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    Scene s = scene(n); // a copy: the pan moves the positions
    s.view.toggles = {true, labels, labels, false, true, false};
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    int dx = 1;
    for (auto _ : state) {
        panView(s.doc.screen, dx, 0); // as during a pan: positions move, then a full redraw
        dx = -dx;
        QtCanvas canvas(image);
        benchmark::DoNotOptimize(redrawPlan(s.doc, s.view, canvas));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

void BM_RedrawWithLabels(benchmark::State& state) {
    redraw(state, true);
}
void BM_RedrawDotsOnly(benchmark::State& state) {
    redraw(state, false);
}

void BM_PanAndRecompute(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    Scene s = scene(n);
    int dx = 1;
    for (auto _ : state) {
        panView(s.doc.screen, dx, 0);
        dx = -dx;
        recomputeView(s.view.transform, s.doc.points, s.doc.screen, CaseMode::Xyz);
        benchmark::DoNotOptimize(s.view.transform);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

// A pan step over `base` with the given toggles; with `strokedByQPainter` the polylines are
// left out of the plan and stroked by QPainter afterwards, through the same drawing pass.
void panFrame(benchmark::State& state, const Scene& base, DisplayToggles toggles,
              bool strokedByQPainter = false) {
    Scene s = base;
    s.view.toggles = toggles;
    if (strokedByQPainter) s.view.toggles.showPolylines = false;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    int dx = 1;
    for (auto _ : state) {
        panView(s.doc.screen, dx, 0);
        dx = -dx;
        {
            QtCanvas canvas(image);
            benchmark::DoNotOptimize(redrawPlan(s.doc, s.view, canvas));
        }
        if (strokedByQPainter) {
            QPainterStrokes canvas(image);
            benchmark::DoNotOptimize(
                drawPolylines(s.doc.polylines, s.doc.points, s.doc.screen, canvas));
        }
    }
}

void BM_Frame(benchmark::State& state) {
    panFrame(state, frameScene(), kEverything);
}
void BM_FrameWithoutPolylines(benchmark::State& state) {
    panFrame(state, frameScene(), {true, true, true, false, false, false});
}
void BM_FramePolylinesOnly(benchmark::State& state) {
    panFrame(state, frameScene(), kPolylinesOnly);
}
// Reference: the same frame with QPainter stroking the polylines and arcs.
void BM_ReferenceFrameQPainterStrokes(benchmark::State& state) {
    panFrame(state, frameScene(), kEverything, true);
}
void BM_ReferenceFramePolylinesQPainter(benchmark::State& state) {
    panFrame(state, frameScene(), kPolylinesOnly, true);
}

void BM_WidePolyline(benchmark::State& state) {
    panFrame(state, wideScene(static_cast<std::size_t>(state.range(0))), kPolylinesOnly);
}
void BM_ReferenceWidePolylineQPainter(benchmark::State& state) {
    panFrame(state, wideScene(static_cast<std::size_t>(state.range(0))), kPolylinesOnly, true);
}

// 400 definitions "1-1048576" over the points of a crafted file (a few) or of a big case.
void BM_HostileRanges(benchmark::State& state) {
    const Scene& s = hostileScene(static_cast<std::size_t>(state.range(0)));
    panFrame(state, s, s.view.toggles);
}

// The crafted file itself (about 136 KB): read, laid out and drawn, as opening it does.
void BM_HostileCaseOpenAndRedraw(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = serialiseCase(hostileScene(20).doc, false);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        CaseFileContents read = parseCaseFile(bytes);
        Scene s;
        s.doc.points = std::move(read.points);
        s.doc.polylines = std::move(read.polylines);
        frame(s);
        s.view.toggles = hostileScene(20).view.toggles;
        QtCanvas canvas(image);
        benchmark::DoNotOptimize(redrawPlan(s.doc, s.view, canvas));
    }
    state.counters["file bytes"] = static_cast<double>(bytes.size());
}

// Reference: the white fill that every frame starts with.
void BM_ReferenceClearOnly(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Reference: the same numbers and descriptors with one QPainter::drawText each.
void BM_ReferenceQPainterLabels(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    const Scene& s = scene(n);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QFont font("Arial");
    font.setPixelSize(11);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(Qt::white);
        for (std::size_t i = 0; i < n; ++i) {
            const int x = roundHalfEven(s.doc.screen[i].x), y = roundHalfEven(s.doc.screen[i].y);
            if (x < -50 || y < -20 || x > kWidth || y > kHeight + 20) continue;
            p.drawText(x + 4, y, QString::number(s.doc.points[i].number));
            if (!s.doc.points[i].descriptor.empty())
                p.drawText(x + 4, y + 12, QString::fromLatin1(s.doc.points[i].descriptor.view()));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

// The pictures behind the figures, for a look: ZORVANE_REDRAW_PNG=folder writes each scene as
// drawn here and with QPainter's strokes.
void savePictures(const QString& folder) {
    const std::tuple<const char*, const Scene*, DisplayToggles> scenes[] = {
        {"frame", &frameScene(), kEverything},
        {"wide", &wideScene(10000), kPolylinesOnly},
        {"hostile", &hostileScene(20), hostileScene(20).view.toggles}};
    for (const auto& [name, scene, toggles] : scenes)
        for (const bool qpainter : {false, true}) {
            Scene s = *scene;
            s.view.toggles = toggles;
            s.view.toggles.showPolylines = !qpainter;
            QImage image(kWidth, kHeight, QImage::Format_RGB32);
            {
                QtCanvas canvas(image);
                redrawPlan(s.doc, s.view, canvas);
            }
            if (qpainter) {
                QPainterStrokes canvas(image);
                drawPolylines(s.doc.polylines, s.doc.points, s.doc.screen, canvas);
            }
            image.save(folder + "/" + name + (qpainter ? "-qpainter" : "") + ".png");
        }
}

// The ratios, from this run's own numbers.
void printRatios(const TimesReporter& reporter) {
    const auto ratio = [&](const std::string& a, const std::string& b, const std::string& what) {
        if (const auto r = reporter.ratio(a, b))
            std::printf("%-56s %9.3f ms / %8.3f ms = %7.2f\n", what.c_str(), *reporter.time(a),
                        *reporter.time(b), *r);
    };
    std::printf("\n");
    ratio("BM_Frame", "BM_ReferenceClearOnly", "frame / clearing the image");
    ratio("BM_Frame", "BM_ReferenceFrameQPainterStrokes", "frame / same with QPainter strokes");
    ratio("BM_FramePolylinesOnly", "BM_ReferenceFramePolylinesQPainter",
          "frame's polylines / QPainter strokes");
    ratio("BM_FramePolylinesOnly", "BM_ReferenceClearOnly", "frame's polylines / clearing");
    for (const char* n : {"10000", "100000"})
        ratio(std::string("BM_WidePolyline/") + n,
              std::string("BM_ReferenceWidePolylineQPainter/") + n,
              std::string("wide polyline of ") + n + " vertices / QPainter strokes");
    for (const char* n : {"20", "100000"})
        ratio(std::string("BM_HostileRanges/") + n, "BM_ReferenceClearOnly",
              std::string("400 x \"1-1048576\" over ") + n + " points / clearing");
    ratio("BM_HostileCaseOpenAndRedraw", "BM_ReferenceClearOnly",
          "crafted file opened and drawn / clearing");
}

} // namespace

BENCHMARK(BM_ReferenceClearOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawWithLabels)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawDotsOnly)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanAndRecompute)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceQPainterLabels)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameWithoutPolylines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceFrameQPainterStrokes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FramePolylinesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceFramePolylinesQPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidePolyline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceWidePolylineQPainter)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileRanges)->Arg(20)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileCaseOpenAndRedraw)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const QString folder = qEnvironmentVariable("ZORVANE_REDRAW_PNG"); !folder.isEmpty())
        savePictures(folder);
    TimesReporter reporter(TimesReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
