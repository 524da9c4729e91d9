// Length entry and display throughput. formatFixed is measured against std::to_chars and
// snprintf on the same values in the same run; the ratios are printed at the end.
#include "units/LengthFormatter.h"
#include "units/LengthParser.h"

#include "TimesReporter.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kCount = 4096;

// What investigators type in the Feet & Inches unit: tape readings with and without marks,
// fractions, sums and differences, commas, and plain decimals.
std::vector<std::string> typedLengths() {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> feet(0, 150), inches(0, 11), sixteenth(1, 15), form(0, 9);
    static const char* fractions[] = {"",    "1/16",  "1/8", "3/16", "1/4", "5/16",
                                      "3/8", "7/16",  "1/2", "9/16", "5/8", "11/16",
                                      "3/4", "13/16", "7/8", "15/16"};
    std::vector<std::string> out;
    out.reserve(kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
        const std::string f = std::to_string(feet(rng)), in = std::to_string(inches(rng));
        const std::string fr = fractions[sixteenth(rng)];
        switch (form(rng)) {
        case 0:
            out.push_back(f + "' " + in + " " + fr + "\"");
            break;
        case 1:
            out.push_back(f + " " + in);
            break;
        case 2:
            out.push_back(f + "'" + in + "\"");
            break;
        case 3:
            out.push_back(in + fr + "\"");
            break; // 31/2"
        case 4:
            out.push_back(f + "' + " + in + "\"");
            break;
        case 5:
            out.push_back("-" + f + "' " + in);
            break;
        case 6:
            out.push_back(f + "," + in);
            break;
        case 7:
            out.push_back(f + "." + in);
            break;
        case 8:
            out.push_back(f + "' " + in + " " + fr + "\" - " + in + "'");
            break;
        default:
            out.push_back(f);
            break;
        }
    }
    return out;
}

// Values as stored: feet on a sixteenth of an inch, and decimals typed with up to 3 digits.
std::vector<double> feetValues() {
    std::mt19937 rng(777);
    std::uniform_int_distribution<int> sixteenths(-2000 * 192, 2000 * 192);
    std::vector<double> out(kCount);
    for (double& v : out) v = sixteenths(rng) / 192.0;
    return out;
}

std::vector<double> decimalValues() {
    std::mt19937 rng(4242);
    std::uniform_int_distribution<int> thousandths(-5'000'000, 5'000'000);
    std::vector<double> out(kCount);
    for (double& v : out) v = thousandths(rng) / 1000.0;
    return out;
}

const std::vector<std::string> kTyped = typedLengths();
const std::vector<double> kFeet = feetValues();
const std::vector<double> kDecimals = decimalValues();

void BM_parseLength(benchmark::State& state) {
    for (auto _ : state)
        for (const auto& t : kTyped) benchmark::DoNotOptimize(zorvane::parseLength(t));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kTyped.size()));
}
BENCHMARK(BM_parseLength);

void BM_formatFeetInches(benchmark::State& state) {
    for (auto _ : state)
        for (double v : kFeet) benchmark::DoNotOptimize(zorvane::formatFeetInches(v));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kFeet.size()));
}
BENCHMARK(BM_formatFeetInches);

void BM_formatFixed(benchmark::State& state) {
    for (auto _ : state)
        for (double v : kDecimals) benchmark::DoNotOptimize(zorvane::formatFixed(v, 2, '.'));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kDecimals.size()));
}
BENCHMARK(BM_formatFixed);

// The references build a std::string too, so that all three pay for the same allocation.
void BM_to_chars_fixed(benchmark::State& state) {
    char buf[64];
    for (auto _ : state)
        for (double v : kDecimals) {
            const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
            benchmark::DoNotOptimize(std::string(buf, r.ptr));
        }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kDecimals.size()));
}
BENCHMARK(BM_to_chars_fixed);

void BM_snprintf_fixed(benchmark::State& state) {
    char buf[64];
    for (auto _ : state)
        for (double v : kDecimals) {
            const int n = std::snprintf(buf, sizeof buf, "%.2f", v);
            benchmark::DoNotOptimize(std::string(buf, static_cast<std::size_t>(n)));
        }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kDecimals.size()));
}
BENCHMARK(BM_snprintf_fixed);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TimesReporter reporter(TimesReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* ref : {"BM_to_chars_fixed", "BM_snprintf_fixed"})
        if (const auto r = reporter.ratio("BM_formatFixed", ref))
            std::printf("formatFixed / %s: %.2f (time per value; below 1 is faster)\n", ref + 3,
                        *r);
    benchmark::Shutdown();
    return 0;
}
