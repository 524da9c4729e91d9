// Saving and opening a large case (10^6 points, 10^4 polylines) against the raw cost of
// writing and reading the same bytes in the same run. The ratios are printed at the end.
#include "case/CaseFileApply.h"
#include "files/CaseFile.h"

#include "TimesReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <unistd.h>

using namespace zorvane;
namespace fs = std::filesystem;

namespace {

CaseState largeCase() {
    static const char* kDescriptors[] = {"Tree",  "Kerb",           "Skid mark",      "Debris",
                                         "Pole",  "Car front left", "Car rear right", "Glass",
                                         "Blood", "Cyclist",        "Sign",           "Manhole"};
    CaseState d;
    d.mode = CaseMode::Xyz;
    d.caseName = "Benchmark case";
    for (std::size_t i = 0; i < 1'000'000; ++i) {
        PointRecord& p = d.points.emplace_back();
        p.number = static_cast<std::int32_t>(i + 1);
        p.m1 = static_cast<double>(i % 1000) * 0.37;
        p.m2 = static_cast<double>(i / 1000) * 0.41;
        p.m3 = static_cast<double>(i % 17) * 0.05;
        p.code = std::string_view(i % 3 ? "PT" : "");
        p.descriptor = std::string_view(kDescriptors[i % std::size(kDescriptors)]);
        p.markColour = i % 50 ? 0 : 0x0000FF;
    }
    for (std::size_t i = 0; i < 10'000; ++i) {
        PolylineRecord& l = d.polylines.emplace_back();
        l.name = (i % 5 ? "L" : "a") + std::to_string(i);
        l.description = std::string_view("line work");
        l.colourIndex = static_cast<std::int32_t>(i % 8);
        l.pointsText = std::to_string(i * 90 + 1) + "," + std::to_string(i * 90 + 2) + "," +
                       std::to_string(i * 90 + 3) + "-" + std::to_string(i * 90 + 40);
    }
    return d;
}

struct Fixture {
    CaseState doc = largeCase();
    std::vector<std::uint8_t> bytes = serialiseCase(doc, true);
    fs::path dir = fs::temp_directory_path() / ("zorvane-bench-" + std::to_string(::getpid()));
    Fixture() {
        fs::create_directories(dir);
        saveCaseFile(dir / "case.zvr", doc, true);
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void plainWrite(const fs::path& path, const std::vector<std::uint8_t>& bytes, bool sync) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("open failed");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) throw std::runtime_error("write failed");
        done += static_cast<std::size_t>(n);
    }
    if (sync) ::fsync(fd);
    ::close(fd);
}

std::size_t plainRead(const fs::path& path, std::size_t size) {
    auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer.get() + got, size - got);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    benchmark::DoNotOptimize(buffer.get());
    return got;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fixture().bytes.size()));
}

// Writing: the save must reach the disk (fsync), so the reference does too.
void BM_PlainWriteSynced(benchmark::State& state) {
    for (auto _ : state) plainWrite(fixture().dir / "plain.bin", fixture().bytes, true);
    setBytes(state);
}
void BM_PlainWrite(benchmark::State& state) {
    for (auto _ : state) plainWrite(fixture().dir / "plain.bin", fixture().bytes, false);
    setBytes(state);
}
void BM_Serialise(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(serialiseCase(fixture().doc, true).data());
    setBytes(state);
}
void BM_Save(benchmark::State& state) {
    for (auto _ : state) saveCaseFile(fixture().dir / "saved.zvr", fixture().doc, true);
    setBytes(state);
}

void BM_PlainRead(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plainRead(fixture().dir / "case.zvr", fixture().bytes.size()));
    setBytes(state);
}
void BM_Parse(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(parseCaseFile(fixture().bytes).points.size());
    setBytes(state);
}
void BM_Open(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(loadCaseFile(fixture().dir / "case.zvr").points.size());
    setBytes(state);
}
// What the Open command does before the view is fitted: read, check, replace the case.
void BM_OpenAndApply(benchmark::State& state) {
    CaseState target;
    for (auto _ : state) applyCaseFile(target, loadCaseFile(fixture().dir / "case.zvr"));
    setBytes(state);
}

BENCHMARK(BM_PlainWriteSynced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Serialise)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_OpenAndApply)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("case file: %zu bytes (%zu points, %zu polylines)\n", fixture().bytes.size(),
                fixture().doc.points.size(), fixture().doc.polylines.size());
    TimesReporter reporter(TimesReporter::Clock::Real);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* a, const char* b) {
        if (const auto r = reporter.ratio(a, b)) std::printf("%-16s / %-20s %5.2fx\n", a, b, *r);
    };
    const double mb = static_cast<double>(fixture().bytes.size()) / 1e6;
    for (const auto& [name, t] : reporter.times())
        std::printf("%-20s %8.0f MB/s\n", name.c_str(), mb / (t / 1e3));
    ratio("BM_Save", "BM_PlainWriteSynced");
    ratio("BM_Serialise", "BM_PlainWrite");
    ratio("BM_Open", "BM_PlainRead");
    ratio("BM_OpenAndApply", "BM_PlainRead");
    benchmark::Shutdown();
}
