// The whole redraw of the plan into a 1600 x 1000 image, as a middle-button pan repeats it on
// every mouse move. References in the same run: clearing the image alone (the floor of any
// frame) and the same labels drawn with one QPainter::drawText each (the obvious way).
#include "ui/view/QtCanvas.h"
#include "view/PlanRenderer.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

using namespace zorvane;
using zorvane::ui::QtCanvas;

namespace {

constexpr int kWidth = 1600, kHeight = 1000;

// A scanned site: points in a few dense clusters plus scatter, zoomed so that about a fifth
// of them fall outside the surface; mostly unmarked, short descriptors on many.
struct Scene {
    CaseData doc;
    PlanView view;
};

const Scene& scene(std::size_t n) {
    static std::map<std::size_t, std::unique_ptr<Scene>> scenes;
    auto& slot = scenes[n];
    if (slot) return *slot;
    slot = std::make_unique<Scene>();
    Scene& s = *slot;
    std::mt19937 rng(42);
    std::normal_distribution<double> cluster(0, 8);
    std::uniform_real_distribution<double> site(0, 100);
    std::uniform_int_distribution<int> pick(0, 99);
    const double centres[][2] = {{20, 30}, {55, 60}, {80, 25}, {40, 85}};
    const char* descriptors[] = {"TREE", "KERB", "POLE", "SKID MARK", "", "", "BLOOD", "GLASS"};
    const Colour marks[] = {0x0000FF, 0x00FF00, 0xFF0000};
    s.doc.points.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        PointRecord p;
        p.number = static_cast<std::int32_t>(i + 1);
        if (pick(rng) < 70) {
            const auto& c = centres[pick(rng) % 4];
            p.m1 = c[0] + cluster(rng), p.m2 = c[1] + cluster(rng);
        } else {
            p.m1 = site(rng), p.m2 = site(rng);
        }
        p.descriptor = descriptors[pick(rng) % 8];
        const int m = pick(rng);
        p.markColour = m < 90 ? 0 : marks[m % 3];
        s.doc.points.push_back(p);
    }
    s.view.width = kWidth, s.view.height = kHeight;
    rebuildScreenPositions(s.doc.screen, s.doc.points, CaseMode::Xyz);
    recomputeView(s.view.transform, s.doc.points, s.doc.screen, CaseMode::Xyz);
    zoomAll(s.view, s.doc.screen);
    for (int step = 0; step < 3; ++step)
        zoomStep(s.view, s.doc.screen, kWidth / 2 + 100, kHeight / 2, true);
    return s;
}

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

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
