// One-point edits of a case of 10^6 points, each with its undo snapshots: create, modify,
// delete, undo and redo. The reference is what a snapshot used to cost: copying the point
// table and the surface positions, twice per edit (before and after), measured in the same run.
#include "case/CaseDocument.h"

#include "TimesReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace zorvane;

namespace {

constexpr int kPoints = 1'000'000;

CaseFileContents largeCase() {
    CaseFileContents c;
    c.mode = 0;
    c.unit = kMeter;
    c.decimals = 2;
    c.lastPointNumber = kPoints;
    for (int i = 0; i < kPoints; ++i) {
        PointRecord& p = c.points.emplace_back();
        p.number = i + 1;
        p.m1 = (i % 1000) * 0.37;
        p.m2 = (i / 1000) * 0.41;
        p.descriptor = std::string_view(i % 3 ? "Kerb" : "Skid mark");
    }
    return c;
}

CaseDocument& document() {
    static const std::unique_ptr<CaseDocument> doc = [] {
        auto d = std::make_unique<CaseDocument>();
        d->setSurfaceSize(1600, 1000);
        d->open(largeCase());
        return d;
    }();
    return *doc;
}

EntryFields fields(int number, double x) {
    EntryFields f;
    f.number = std::to_string(number);
    f.values = {std::to_string(x), "12.5", "0.3"};
    f.descriptor = "Kerb";
    return f;
}

void BM_CreatePoint(benchmark::State& state) {
    CaseDocument& doc = document();
    int next = 2 * kPoints;
    for (auto _ : state) {
        EntryFields f = fields(next++, 100.25);
        benchmark::DoNotOptimize(doc.createOrModifyPoint(f).row);
    }
}

void BM_ModifyPoint(benchmark::State& state) {
    CaseDocument& doc = document();
    int k = 0;
    for (auto _ : state) {
        EntryFields f = fields(kPoints / 2 + (k % 1000), (k % 2) ? 7.5 : 8.5); // inside the extents
        ++k;
        benchmark::DoNotOptimize(doc.createOrModifyPoint(f).row);
    }
}

void BM_DeletePoint(benchmark::State& state) {
    CaseDocument& doc = document();
    int number = kPoints / 3;
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.deletePoint(std::to_string(number++)).changed);
}

// An undo and a redo per iteration, so the case stays as it is; half of it is one step.
void BM_UndoAndRedo(benchmark::State& state) {
    CaseDocument& doc = document();
    EntryFields f = fields(kPoints / 2, 9.5);
    doc.createOrModifyPoint(f);
    for (auto _ : state) {
        doc.undo();
        doc.redo();
    }
}

// Reference: the two whole copies an edit made before tables shared their chunks.
void BM_ReferenceTwoCopies(benchmark::State& state) {
    std::vector<PointRecord> points(kPoints);
    std::vector<ScreenPos> screen(kPoints);
    for (auto _ : state) {
        for (int copy = 0; copy < 2; ++copy) {
            std::vector<PointRecord> p = points;
            std::vector<ScreenPos> s = screen;
            benchmark::DoNotOptimize(p.data());
            benchmark::DoNotOptimize(s.data());
        }
    }
}

} // namespace

BENCHMARK(BM_ReferenceTwoCopies)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreatePoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModifyPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeletePoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoAndRedo)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    document(); // built before any timing
    TimesReporter reporter(TimesReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const auto copies = reporter.time("BM_ReferenceTwoCopies"))
        for (const auto& [name, t] : reporter.times())
            if (name != "BM_ReferenceTwoCopies")
                std::printf("%-16s %8.3f ms   %6.1fx faster than two copies of the case\n",
                            name.c_str(), t, *copies / t);
    benchmark::Shutdown();
}
