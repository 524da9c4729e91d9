// Showing a 24-megapixel photograph (6000 x 4000) in the images window at a 1024-pixel
// display: the full decode against the decode at the DCT scale chosen for the display, in the
// same run. The photograph is encoded here, once, from a synthetic picture with the detail
// and noise of a real one. The ratio is printed at the end.
#include "files/JpegDecoder.h"

#include "TimesReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kWidth = 6000, kHeight = 4000;

// Smooth gradients, hard edges every 250 pixels and sensor noise, like a site photograph.
void fillRow(std::vector<std::uint8_t>& row, int y, std::mt19937& rng) {
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int x = 0; x < kWidth; ++x) {
        const bool edge = ((x / 250) + (y / 250)) % 2 == 0;
        const int base[3] = {x * 255 / kWidth, y * 255 / kHeight, edge ? 200 : 60};
        for (int c = 0; c < 3; ++c) {
            const int v = base[c] + noise(rng);
            row[static_cast<std::size_t>(x) * 3 + c] = static_cast<std::uint8_t>(v < 0     ? 0
                                                                                 : v > 255 ? 255
                                                                                           : v);
        }
    }
}

Bytes encodePhotograph() {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = kWidth;
    c.image_height = kHeight;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE); // camera quality, 4:2:0
    jpeg_start_compress(&c, TRUE);
    std::mt19937 rng(2024);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(kWidth) * 3);
    while (c.next_scanline < c.image_height) {
        fillRow(row, static_cast<int>(c.next_scanline), rng);
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&c, &p, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes bytes(out, out + size);
    std::free(out);
    return bytes;
}

const Bytes& photograph() {
    static const Bytes bytes = encodePhotograph();
    return bytes;
}

void decode(benchmark::State& state, const zorvane::JpegRequest& request) {
    const Bytes& file = photograph();
    for (auto _ : state) {
        zorvane::JpegResult r = zorvane::decodeJpeg(file, request);
        if (!r.ok()) throw std::runtime_error(r.error);
        benchmark::DoNotOptimize(r.image.pixels.data());
        state.counters["width"] = r.image.width;
        state.counters["height"] = r.image.height;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}

void BM_decodeFull(benchmark::State& state) {
    decode(state, {});
}
BENCHMARK(BM_decodeFull)->Unit(benchmark::kMillisecond);

void BM_decodeForDisplay(benchmark::State& state) {
    decode(state, {.displayWidth = 1024, .displayHeight = 768});
}
BENCHMARK(BM_decodeForDisplay)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TimesReporter reporter(TimesReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const auto r = reporter.ratio("BM_decodeFull", "BM_decodeForDisplay"))
        std::printf("24-megapixel photograph (%zu bytes): full decode / decode for a 1024 x 768 "
                    "display: %.1f (above 1: the scaled decode is faster)\n",
                    photograph().size(), *r);
    benchmark::Shutdown();
    return 0;
}
