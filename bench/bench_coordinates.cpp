// Importing a 10^6-line XYZ file and exporting 10^6 points, against the raw cost of the same
// bytes in the same run: reading and splitting the file with std::from_chars alone, and
// writing the export's bytes in 64 KiB blocks. The ratios are printed at the end.
#include "case/ApplyImport.h"
#include "files/AtomicFile.h"
#include "files/CoordinateExport.h"
#include "files/CoordinateImport.h"

#include "TimesReporter.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
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

constexpr std::size_t kLines = 1'000'000;
constexpr std::size_t kBlock = std::size_t{64} << 10;

std::string xyzFile() {
    static const char* kDescriptors[] = {"Tree",  "Kerb",           "Skid mark",      "Debris",
                                         "Pole",  "Car front left", "Car rear right", "Glass",
                                         "Blood", "Cyclist",        "Sign",           "Manhole"};
    std::string text;
    text.reserve(kLines * 48);
    char buf[128];
    for (std::size_t i = 0; i < kLines; ++i) {
        const int n = std::snprintf(
            buf, sizeof buf, "%zu,%.3f,%.3f,%.3f,%s\r\n", i + 1,
            static_cast<double>(i % 1000) * 0.37 - 150, static_cast<double>(i / 1000) * 0.41,
            static_cast<double>(i % 17) * 0.05, kDescriptors[i % std::size(kDescriptors)]);
        text.append(buf, static_cast<std::size_t>(n));
    }
    return text;
}

struct Fixture {
    fs::path dir = fs::temp_directory_path() / ("zorvane-bench-xyz-" + std::to_string(::getpid()));
    std::string text = xyzFile();
    PointTable points;
    std::string exported;
    Fixture() {
        fs::create_directories(dir);
        std::FILE* f = std::fopen((dir / "points.zvx").c_str(), "wb");
        if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size())
            throw std::runtime_error("cannot write the benchmark file");
        std::fclose(f);
        points = importCoordinateText(text, CaseMode::Xyz, {}, {}, '.')->points;
        for (const PointRecord& p : points)
            appendExportLine(exported, p, CaseMode::Xyz, CaseMode::Xyz, {}, 3, '.');
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

std::string plainRead(const fs::path& path) {
    std::string out(fs::file_size(path), '\0');
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return out;
}

// The least any importer must do: every line cut at its commas, the number and the three
// values read with from_chars, the descriptor seen.
double plainParse(const fs::path& path) {
    const std::string text = plainRead(path);
    const char* p = text.data();
    const char* const end = p + text.size();
    double sum = 0;
    while (p < end) {
        const char* eol =
            static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!eol) eol = end;
        int field = 0;
        while (p < eol) {
            const char* comma =
                static_cast<const char*>(std::memchr(p, ',', static_cast<std::size_t>(eol - p)));
            const char* stop = comma ? comma : eol;
            if (field == 0) {
                int n = 0;
                std::from_chars(p, stop, n);
                sum += n;
            } else if (field <= 3) {
                double v = 0;
                std::from_chars(p, stop, v);
                sum += v;
            } else {
                sum += static_cast<double>(stop - p);
            }
            ++field;
            p = comma ? comma + 1 : eol;
        }
        p = eol + 1;
    }
    return sum;
}

void plainWrite(const fs::path& path, const std::string& bytes, bool sync) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("open failed");
    for (std::size_t done = 0; done < bytes.size();) {
        const std::size_t want = std::min(kBlock, bytes.size() - done);
        const ssize_t n = ::write(fd, bytes.data() + done, want);
        if (n <= 0) throw std::runtime_error("write failed");
        done += static_cast<std::size_t>(n);
    }
    if (sync) ::fsync(fd);
    ::close(fd);
}

void BM_PlainParse(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(plainParse(fixture().dir / "points.zvx"));
}
void BM_Import(benchmark::State& state) {
    for (auto _ : state) {
        auto result =
            importCoordinateFile(fixture().dir / "points.zvx", CaseMode::Xyz, {}, {}, '.');
        if (!result || result->points.size() != kLines) state.SkipWithError("import lost points");
        benchmark::DoNotOptimize(result->points.size());
    }
}
// The whole command before the view is fitted: read, parse, replace the case.
void BM_ImportAndApply(benchmark::State& state) {
    CaseState doc;
    for (auto _ : state)
        applyImportedCase(
            doc, *importCoordinateFile(fixture().dir / "points.zvx", CaseMode::Xyz, {}, {}, '.'),
            {}, "01/01/2025");
}

void BM_PlainWrite(benchmark::State& state) {
    for (auto _ : state) plainWrite(fixture().dir / "plain.zvx", fixture().exported, false);
}
// The export reaches the disk before it replaces a file, so this reference does too.
void BM_PlainWriteSynced(benchmark::State& state) {
    for (auto _ : state) plainWrite(fixture().dir / "plain.zvx", fixture().exported, true);
}
// The same bytes through the atomic writer: the part of an export that is not formatting.
void BM_AtomicWrite(benchmark::State& state) {
    const auto& bytes = fixture().exported;
    for (auto _ : state)
        writeFileAtomically(fixture().dir / "atomic.zvx",
                            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}
void BM_ExportLines(benchmark::State& state) {
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const PointRecord& p : fixture().points)
            appendExportLine(out, p, CaseMode::Xyz, CaseMode::Xyz, {}, 3, '.');
        benchmark::DoNotOptimize(out.data());
    }
}
void BM_Export(benchmark::State& state) {
    for (auto _ : state)
        exportCoordinates(fixture().dir / "export.zvx", fixture().points, CaseMode::Xyz,
                          CaseMode::Xyz, {}, 3, '.');
}
void BM_ExportAsPolar(benchmark::State& state) {
    for (auto _ : state)
        exportCoordinates(fixture().dir / "export.zvp", fixture().points, CaseMode::Xyz,
                          CaseMode::Polar, {}, 3, '.');
}

BENCHMARK(BM_PlainParse)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ImportAndApply)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_PlainWriteSynced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_AtomicWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ExportLines)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ExportAsPolar)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("XYZ file: %zu lines, %zu bytes; export: %zu bytes\n", kLines,
                fixture().text.size(), fixture().exported.size());
    TimesReporter reporter(TimesReporter::Clock::Real);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* a, const char* b, const char* goal) {
        if (const auto r = reporter.ratio(a, b))
            std::printf("%-18s / %-20s %5.2fx   (goal %s)\n", a, b, *r, goal);
    };
    ratio("BM_Import", "BM_PlainParse", "under 3x, and under 1000 ms");
    ratio("BM_ImportAndApply", "BM_PlainParse", "-");
    ratio("BM_Export", "BM_PlainWriteSynced", "under 2x");
    ratio("BM_Export", "BM_PlainWrite", "-");
    ratio("BM_AtomicWrite", "BM_PlainWriteSynced", "-");
    ratio("BM_ExportLines", "BM_PlainWrite", "-");
    benchmark::Shutdown();
}
