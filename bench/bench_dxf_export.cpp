// Exporting a large case as a DXF drawing (10^6 points with numbers and descriptors, 10^4
// polylines and arcs), against writing the same bytes in 64 KiB blocks in the same run: the
// cost of the I/O alone. The ratio is printed at the end.
#include "dxf/DxfExport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>

#include <time.h>

#include <fcntl.h>
#include <unistd.h>

using namespace zorvane;
namespace fs = std::filesystem;

namespace {

// Values as a user types them: metres with three decimals, the nearest double to the text.
double typed(long long thousandths) {
    return double(thousandths) / 1000.0;
}

CaseData largeCase() {
    static const char* kDescriptors[] = {"Tree",  "Kerb",           "Skid mark",      "Debris",
                                         "Pole",  "Car front left", "Car rear right", "Glass",
                                         "Blood", "Cyclist",        "Sign",           ""};
    CaseData c;
    c.mode = CaseMode::Xyz;
    c.points.resize(1'000'000);
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        PointRecord& p = c.points.edit(i);
        const auto k = static_cast<long long>(i);
        p.number = static_cast<std::int32_t>(i + 1);
        p.m1 = typed(512'000'000 + (k * 7919) % 10'000'000);
        p.m2 = typed(4'310'000'000 + (k * 104729) % 10'000'000);
        p.m3 = typed(95'000 + k % 20'000);
        p.descriptor = std::string_view(kDescriptors[i % std::size(kDescriptors)]);
        p.markColour = i % 50 ? 0 : 0x0000FF;
    }
    c.polylines.resize(10'000);
    for (std::size_t i = 0; i < c.polylines.size(); ++i) {
        PolylineRecord& l = c.polylines.edit(i);
        const std::size_t first = i * 90 + 1;
        l.name = (i % 5 ? "L" : "a") + std::to_string(i);
        l.colourIndex = static_cast<std::int32_t>(i % 8);
        l.widthIndex = static_cast<std::int32_t>(i % 5);
        l.pointsText = i % 5 ? std::to_string(first) + "-" + std::to_string(first + 9)
                             : std::to_string(first) + "," + std::to_string(first + 1) + "," +
                                   std::to_string(first + 2);
    }
    return c;
}

struct Fixture {
    CaseData data = largeCase();
    DxfExportOptions options;
    fs::path dir;
    Fixture() {
        char name[] = "/tmp/bench_dxf_export_XXXXXX";
        if (!::mkdtemp(name)) std::abort();
        dir = name;
        options.points3D = true;
        options.polylines3D = false;
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

std::map<std::string, double> best;

// Wall time and the time this thread ran, user and kernel (the kernel copies the bytes into
// the page cache). On a machine shared with other work the second is the steadier.
struct Times {
    double wall = 0, cpu = 0;
};

double threadSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

template <class Work> Times timed(Work work) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadSeconds();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            threadSeconds() - cpuStart};
}

void note(const std::string& name, Times t) {
    for (const auto& [key, v] : {std::pair{name, t.wall}, std::pair{name + " cpu", t.cpu}})
        best[key] = best.count(key) ? std::min(best[key], v) : v;
}

bool exportTo(const fs::path& target) {
    Fixture& f = fixture();
    const DxfExportOutcome outcome = exportDxf(f.data, f.options, target);
    return outcome.pointsWritten == f.data.points.size() && outcome.skipped.empty();
}

bool writeBlocks(const fs::path& file, const std::string& bytes) {
    bool ok = true;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    for (std::size_t at = 0; at < bytes.size(); at += 64 * 1024) {
        const std::size_t n = std::min<std::size_t>(64 * 1024, bytes.size() - at);
        ok = ok && ::write(fd, bytes.data() + at, n) == ssize_t(n);
    }
    return ::close(fd) == 0 && ok;
}

// The export and the raw writes take turns, so that both meet the same load on a shared
// machine; the best time of each is compared.
void BM_ExportAgainstRawBlocks(benchmark::State& state) {
    Fixture& f = fixture();
    const fs::path target = f.dir / "case.dxf", raw = f.dir / "raw.dxf";
    if (!exportTo(target)) {
        state.SkipWithError("the export left something out");
        return;
    }
    std::ifstream in(target, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (auto _ : state) {
        bool ok = true;
        // Each file is removed once written: dirty pages piling up would bring in the
        // kernel's writeback and measure the disk instead.
        const Times exporting = timed([&] { ok = exportTo(target); });
        fs::remove(target);
        const Times writing = timed([&] { ok = writeBlocks(raw, bytes) && ok; });
        fs::remove(raw);
        // The same export into /dev/null: the work of the export without the file system's.
        const Times working = timed([&] { ok = exportTo("/dev/null") && ok; });
        if (!ok) {
            state.SkipWithError("a run failed");
            return;
        }
        note("export", exporting);
        note("raw", writing);
        note("null", working);
        state.SetIterationTime(exporting.wall);
        state.SetBytesProcessed(static_cast<std::int64_t>(bytes.size()));
        state.counters["x raw"] = exporting.wall / writing.wall;
        state.counters["x raw cpu"] = exporting.cpu / writing.cpu;
    }
    best["bytes"] = double(bytes.size());
}

} // namespace

BENCHMARK(BM_ExportAgainstRawBlocks)
    ->Iterations(1)
    ->Repetitions(7)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (best.count("export") && best.count("raw"))
        std::printf("\nDXF export of 10^6 points and 10^4 polylines (%.0f MB), best of each:\n"
                    "  wall time: export %.3f s, the same bytes in 64 KiB blocks %.3f s: %.2fx "
                    "(goal: within 2x)\n"
                    "  thread CPU time: export %.3f s, blocks %.3f s: %.2fx\n"
                    "  the export into /dev/null (no file system): %.3f s, CPU %.3f s\n",
                    best["bytes"] / 1e6, best["export"], best["raw"], best["export"] / best["raw"],
                    best["export cpu"], best["raw cpu"], best["export cpu"] / best["raw cpu"],
                    best["null"], best["null cpu"]);
    return 0;
}
