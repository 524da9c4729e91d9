// Writing a large drawing through Tessaline's C interface, measured against
//  (a) dxflib writing the same entities (at a tenth of the load: it is slow),
//  (b) snprintf("%.15g") into a 64 KiB buffer with the same line structure,
//  (c) writing the finished bytes in 64 KiB blocks: the cost of the I/O alone.
// The drawing Tessaline wrote must equal the one (b) wrote byte for byte.
//
// Options besides Google Benchmark's: --load=F scales the entity counts (default 1).
#include "tessaline.h"

#include <benchmark/benchmark.h>
#include <dl_dxf.h>

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What is drawn: survey points with a number each, and ten-vertex polylines.
struct Load {
    int points = 1'000'000;
    int texts = 1'000'000;
    int polylines = 100'000;
    static constexpr int kVertices = 10;

    Load scaled(double f) const {
        return {std::max(1, int(points * f)), std::max(1, int(texts * f)),
                std::max(1, int(polylines * f))};
    }
    long long entities() const { return points + texts + polylines * (kVertices + 2LL); }
};

Load fullLoad;
fs::path folder;
std::vector<std::string> numbers;

double xOf(long long i) {
    return 512000.0 + 0.001 * double((i * 7919) % 10000000);
}
double yOf(long long i) {
    return 4310000.0 + 0.001 * double((i * 104729) % 10000000);
}
double zOf(long long i) {
    return 95.0 + 0.001 * double(i % 20000);
}
double bulgeOf(int vertex) {
    return vertex % 3 == 0 ? 0.414213562373095 : 0.0;
}
int verticalOf(int i) {
    return i % 2 ? 1 : 3;
}
const char* const kLayers[] = {"POINTS", "NUMBERS", "ROADS", "KERBS"};

struct Measured {
    double seconds = 1e300;
    std::uintmax_t bytes = 0;
    long long entities = 0;
};
std::map<std::string, Measured> results;

void record(benchmark::State& state, const std::string& name, double seconds, const fs::path& file,
            const Load& load) {
    Measured& m = results[name];
    m.seconds = std::min(m.seconds, seconds);
    m.bytes = fs::file_size(file);
    m.entities = load.entities();
    state.SetIterationTime(seconds);
    state.SetBytesProcessed(std::int64_t(m.bytes));
    state.counters["MB/s"] = double(m.bytes) / seconds / 1e6;
}

template <class Work> double timed(Work work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- Tessaline -------------------------------------------------------------------------

bool writeWithTessaline(const fs::path& file, const Load& load) {
    int failures = StartDXF(file.c_str(), nullptr) != TESSALINE_OK;
    for (int c = 0; c < 4; ++c) failures += CreateDXFLayer(kLayers[c], c + 1) != TESSALINE_OK;
    failures += EndDXFTabAndSection() != TESSALINE_OK;
    for (int i = 0; i < load.points; ++i)
        failures += DrawDXFPoint("POINTS", xOf(i), yOf(i), zOf(i), 256) != TESSALINE_OK;
    for (int i = 0; i < load.texts; ++i)
        failures += DrawDXFText("NUMBERS", xOf(i), yOf(i), zOf(i), 2, numbers[i].c_str(), 0.25, 0,
                                verticalOf(i)) != TESSALINE_OK;
    for (int k = 0; k < load.polylines; ++k) {
        const long long first = 7LL * k;
        if (k % 2 == 0) {
            failures += StartDXF2DPolyline("ROADS", 3, 0.05, k % 4 == 0, zOf(k)) != TESSALINE_OK;
            for (int v = 0; v < Load::kVertices; ++v)
                failures +=
                    DrawDXF2DVertex(xOf(first + v), yOf(first + v), bulgeOf(v)) != TESSALINE_OK;
        } else {
            failures += StartDXF3DPolyline("KERBS", 4, 0, k % 4 == 1) != TESSALINE_OK;
            for (int v = 0; v < Load::kVertices; ++v)
                failures += DrawDXF3DVertex(xOf(first + v), yOf(first + v), zOf(first + v), 0) !=
                            TESSALINE_OK;
        }
        failures += EndDXFPolyline() != TESSALINE_OK;
    }
    failures += EndDXF() != TESSALINE_OK;
    return failures == 0;
}

fs::path tessalineFile() {
    return folder / "tessaline.dxf";
}

void ensureTessalineFile() {
    if (!fs::exists(tessalineFile())) writeWithTessaline(tessalineFile(), fullLoad);
}

void BM_Tessaline(benchmark::State& state) {
    for (auto _ : state) {
        bool ok = true;
        double seconds = timed([&] { ok = writeWithTessaline(tessalineFile(), fullLoad); });
        if (!ok) {
            state.SkipWithError(TessalineLastError());
            return;
        }
        record(state, "tessaline", seconds, tessalineFile(), fullLoad);
    }
}

// ---- (b) snprintf into a 64 KiB buffer ----------------------------------------------------

class PrintfWriter {
  public:
    explicit PrintfWriter(const fs::path& file)
        : fd_(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)) {}
    ~PrintfWriter() { ::close(fd_); }

    __attribute__((format(printf, 2, 3))) void print(const char* format, ...) {
        if (sizeof buffer_ - used_ < 1024) flush();
        va_list args;
        va_start(args, format);
        used_ += std::size_t(std::vsnprintf(buffer_ + used_, sizeof buffer_ - used_, format, args));
        va_end(args);
    }
    void put(const std::string& bytes) {
        flush();
        ok_ = ok_ && ::write(fd_, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    }
    bool finish() {
        flush();
        return ok_ && fd_ >= 0;
    }

  private:
    void flush() {
        ok_ = ok_ && ::write(fd_, buffer_, used_) == ssize_t(used_);
        used_ = 0;
    }
    int fd_;
    bool ok_ = true;
    std::size_t used_ = 0;
    char buffer_[64 * 1024];
};

bool writeWithPrintf(const fs::path& file, const std::string& header, const Load& load) {
    auto out = std::make_unique<PrintfWriter>(file);
    out->put(header);
    for (int c = 0; c < 4; ++c)
        out->print(" 0\r\nLAYER\r\n 2\r\n%s\r\n 70\r\n0\r\n 62\r\n%d\r\n 6\r\nCONTINUOUS\r\n",
                   kLayers[c], c + 1);
    out->print(" 0\r\nENDTAB\r\n 0\r\nENDSEC\r\n 0\r\nSECTION\r\n 2\r\nENTITIES\r\n");
    unsigned handle = 0x9A;
    for (int i = 0; i < load.points; ++i)
        out->print(" 0\r\nPOINT\r\n 5\r\n%04X\r\n 8\r\n%s\r\n 62\r\n%d\r\n 10\r\n%.15g\r\n "
                   "20\r\n%.15g\r\n 30\r\n%.15g\r\n",
                   handle++, "POINTS", 256, xOf(i), yOf(i), zOf(i));
    for (int i = 0; i < load.texts; ++i) {
        long double shift = verticalOf(i) == 1 ? 0.3333333L * 0.25 : -0.25L;
        out->print(" 0\r\nTEXT\r\n 5\r\n%04X\r\n 8\r\n%s\r\n 62\r\n%d\r\n 10\r\n%.15g\r\n "
                   "20\r\n%.15Lg\r\n 30\r\n"
                   "%.15g\r\n 40\r\n%.15g\r\n 1\r\n%s\r\n 72\r\n%d\r\n 11\r\n%.15g\r\n "
                   "21\r\n%.15g\r\n 31\r\n%.15g\r\n"
                   " 73\r\n%d\r\n 7\r\nSTANDARD\r\n",
                   handle++, "NUMBERS", 2, xOf(i), yOf(i) + shift, zOf(i), 0.25, numbers[i].c_str(),
                   0, xOf(i), yOf(i), zOf(i), verticalOf(i));
    }
    for (int k = 0; k < load.polylines; ++k) {
        const long long first = 7LL * k;
        const bool flat = k % 2 == 0;
        const char* layer = flat ? "ROADS" : "KERBS";
        const int colour = flat ? 3 : 4;
        char elevation[32];
        std::snprintf(elevation, sizeof elevation, "%.15g", zOf(k));
        const int flag = flat ? (k % 4 == 0 ? 1 : 0) : (k % 4 == 1 ? 9 : 8);
        out->print(" 0\r\nPOLYLINE\r\n 5\r\n%04X\r\n 8\r\n%s\r\n 62\r\n%d\r\n 66\r\n  1\r\n "
                   "10\r\n0.0\r\n 20\r\n0.0\r\n"
                   " 30\r\n%s\r\n 70\r\n%d\r\n 40\r\n%.15g\r\n 41\r\n%.15g\r\n",
                   handle++, layer, colour, flat ? elevation : "0.0", flag, flat ? 0.05 : 0.0,
                   flat ? 0.05 : 0.0);
        for (int v = 0; v < Load::kVertices; ++v) {
            if (flat)
                out->print(" 0\r\nVERTEX\r\n 5\r\n%04X\r\n 8\r\n%s\r\n 62\r\n%d\r\n "
                           "10\r\n%.15g\r\n 20\r\n%.15g\r\n"
                           " 30\r\n%s\r\n 42\r\n%.15g\r\n 70\r\n0\r\n",
                           handle++, layer, colour, xOf(first + v), yOf(first + v), elevation,
                           bulgeOf(v));
            else
                out->print(" 0\r\nVERTEX\r\n 5\r\n%04X\r\n 8\r\n%s\r\n 62\r\n%d\r\n "
                           "10\r\n%.15g\r\n 20\r\n%.15g\r\n"
                           " 30\r\n%.15g\r\n 42\r\n%.15g\r\n 70\r\n32\r\n",
                           handle++, layer, colour, xOf(first + v), yOf(first + v), zOf(first + v),
                           0.0);
        }
        out->print(" 0\r\nSEQEND\r\n 5\r\n%04X\r\n 8\r\n%s\r\n 62\r\n%d\r\n", handle++, layer,
                   colour);
    }
    out->print(" 0\r\nENDSEC\r\n 0\r\nEOF\r\n");
    return out->finish();
}

void BM_Snprintf(benchmark::State& state) {
    ensureTessalineFile();
    const std::string expected = readAll(tessalineFile());
    const std::string header = expected.substr(0, 5037);
    const fs::path file = folder / "snprintf.dxf";
    for (auto _ : state) {
        bool ok = true;
        double seconds = timed([&] { ok = writeWithPrintf(file, header, fullLoad); });
        if (!ok) {
            state.SkipWithError("the snprintf writer failed");
            return;
        }
        record(state, "snprintf", seconds, file, fullLoad);
    }
    // Both writers were given the same entities; their files must agree byte for byte.
    const std::string written = readAll(file);
    if (written != expected) {
        auto diverge =
            std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
        std::fprintf(stderr, "MISMATCH: tessaline.dxf differs from snprintf.dxf at byte %td\n",
                     diverge.first - written.begin());
        results["mismatch"].bytes = 1;
        state.SkipWithError("Tessaline's drawing is not the expected one");
    }
    fs::remove(file);
}

// ---- (c) the finished bytes in 64 KiB blocks -------------------------------------------

void BM_RawBlocks(benchmark::State& state) {
    ensureTessalineFile();
    const std::string bytes = readAll(tessalineFile());
    const fs::path file = folder / "raw.dxf";
    for (auto _ : state) {
        bool ok = true;
        double seconds = timed([&] {
            int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
            for (std::size_t at = 0; at < bytes.size(); at += 64 * 1024) {
                std::size_t n = std::min<std::size_t>(64 * 1024, bytes.size() - at);
                ok = ok && ::write(fd, bytes.data() + at, n) == ssize_t(n);
            }
            ok = ::close(fd) == 0 && ok;
        });
        if (!ok) {
            state.SkipWithError("writing the blocks failed");
            return;
        }
        record(state, "raw 64 KiB blocks", seconds, file, fullLoad);
    }
    fs::remove(file);
}

// ---- (a) dxflib ------------------------------------------------------------------------

void writeWithDxflib(const fs::path& file, const Load& load) {
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> out(dxf.out(file.c_str(), DL_Codes::AC1009));
    dxf.writeHeader(*out);
    out->sectionEnd();
    out->sectionEntities();
    const DL_Attributes points("POINTS", 256, -1, "BYLAYER", 1.0),
        texts("NUMBERS", 2, -1, "BYLAYER", 1.0), roads("ROADS", 3, -1, "BYLAYER", 1.0),
        kerbs("KERBS", 4, -1, "BYLAYER", 1.0);
    for (int i = 0; i < load.points; ++i)
        dxf.writePoint(*out, DL_PointData(xOf(i), yOf(i), zOf(i)), points);
    for (int i = 0; i < load.texts; ++i) {
        double firstY = double(yOf(i) + (verticalOf(i) == 1 ? 0.3333333L * 0.25 : -0.25L));
        dxf.writeText(*out,
                      DL_TextData(xOf(i), firstY, zOf(i), xOf(i), yOf(i), zOf(i), 0.25, 1.0, 0, 0,
                                  verticalOf(i), numbers[i], "STANDARD", 0.0),
                      texts);
    }
    for (int k = 0; k < load.polylines; ++k) {
        const long long first = 7LL * k;
        const bool flat = k % 2 == 0;
        const int flags = flat ? (k % 4 == 0 ? 1 : 0) : (k % 4 == 1 ? 9 : 8);
        dxf.writePolyline(*out, DL_PolylineData(Load::kVertices, 0, 0, flags, flat ? zOf(k) : 0.0),
                          flat ? roads : kerbs);
        for (int v = 0; v < Load::kVertices; ++v)
            dxf.writeVertex(*out,
                            DL_VertexData(xOf(first + v), yOf(first + v),
                                          flat ? zOf(k) : zOf(first + v), flat ? bulgeOf(v) : 0.0));
        dxf.writePolylineEnd(*out);
    }
    out->sectionEnd();
    out->dxfEOF();
    out->close();
}

void BM_Dxflib(benchmark::State& state) {
    const Load load = fullLoad.scaled(0.1);
    const fs::path file = folder / "dxflib.dxf";
    for (auto _ : state) {
        double seconds = timed([&] { writeWithDxflib(file, load); });
        record(state, "dxflib (1/10 load)", seconds, file, load);
    }
    fs::remove(file);
}

// ---- summary ---------------------------------------------------------------------------

void printSummary() {
    auto found = results.find("tessaline");
    if (found == results.end()) return;
    const Measured& t = found->second;
    std::printf("\nTessaline: %lld entities, %.1f MB in %.3f s = %.0f MB/s, %.1f M entities/s\n",
                t.entities, double(t.bytes) / 1e6, t.seconds, double(t.bytes) / t.seconds / 1e6,
                double(t.entities) / t.seconds / 1e6);
    for (const auto& [name, m] : results) {
        if (name == "tessaline" || name == "mismatch") continue;
        double perEntity = m.seconds / double(m.entities), ours = t.seconds / double(t.entities);
        std::printf("  %-20s %8.1f MB in %7.3f s = %6.0f MB/s; per entity Tessaline is %.2fx %s\n",
                    name.c_str(), double(m.bytes) / 1e6, m.seconds,
                    double(m.bytes) / m.seconds / 1e6,
                    perEntity > ours ? perEntity / ours : ours / perEntity,
                    perEntity > ours ? "faster" : "slower");
    }
    if (results.count("mismatch"))
        std::printf("  THE DRAWING DIFFERS FROM THE EXPECTED ONE\n");
    else if (results.count("snprintf"))
        std::printf("  drawing checked: identical to the snprintf writer's\n");
    else
        std::printf("  drawing not checked: BM_Snprintf did not run\n");
}

} // namespace

BENCHMARK(BM_Tessaline)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Snprintf)
    ->Iterations(1)
    ->Repetitions(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawBlocks)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dxflib)->Iterations(1)->Repetitions(2)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--load=", 7) == 0)
            fullLoad = fullLoad.scaled(std::atof(argv[i] + 7));
    numbers.reserve(std::size_t(fullLoad.texts));
    for (int i = 0; i < fullLoad.texts; ++i) numbers.push_back(std::to_string(i + 1));

    char name[] = "/tmp/bench_tessaline_XXXXXX";
    if (!::mkdtemp(name)) return 1;
    folder = name;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    fs::remove_all(folder);
    return results.count("mismatch") ? 1 : 0;
}
