// Batch throughput of qolvar-cli: codes per second through the whole
// command (reading standard input, converting, writing standard output).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "cli/cli.h"

namespace {

constexpr int kCodes = 1 << 18;

std::FILE* Input()
{
    static std::FILE* in = [] {
        std::FILE* f = std::tmpfile();
        std::string text;
        std::uint32_t x = 987654321;
        for (int i = 0; i < kCodes; ++i) {
            x = x * 1664525u + 1013904223u;
            text += qolvar::CodeToHex(x >> 8);
            text += '\n';
        }
        std::fwrite(text.data(), 1, text.size(), f);
        return f;
    }();
    std::rewind(in);
    return in;
}

void BM_Batch(benchmark::State& state, const char* model)
{
    std::FILE* out = std::fopen("/dev/null", "w");
    const char* argv[] = {"qolvar-cli", "convert", model};
    for (auto _ : state) {
        std::FILE* in = Input();
        benchmark::DoNotOptimize(qolvar::cli::Run(3, argv, in, out, stderr));
    }
    std::fclose(out);
    state.SetItemsProcessed(state.iterations() * kCodes);
}

}  // namespace

BENCHMARK_CAPTURE(BM_Batch, hsv, "hsv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, hls, "hls")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, cmyk, "cmyk")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, yuv, "yuv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, xyz, "xyz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, yxy, "yxy")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, lab, "lab")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, luv, "luv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, munsell, "munsell")->Unit(benchmark::kMillisecond)->Iterations(1);
