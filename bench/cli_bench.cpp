// Batch throughput of qolvar-cli: codes per second through the whole
// command (reading standard input, converting, writing standard output).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "colour/colourformat.h"

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

// 100 000 lines of one kind for `format hex`: hexadecimal codes, the same
// colours as `format css-oklch` writes them (inside sRGB), or oklch() of
// random lightness, chroma and hue (most outside sRGB, gamut-mapped).
enum class Lines { Hex, OkLCh, OkLChWide };
std::FILE* FormatInput(Lines kind)
{
    constexpr int kLines = 100000;
    std::FILE* f = std::tmpfile();
    std::string text;
    std::uint32_t x = 123456789;
    char buf[96];
    for (int i = 0; i < kLines; ++i) {
        x = x * 1664525u + 1013904223u;
        const qolvar::RGBCode code = x >> 8;
        if (kind == Lines::Hex) {
            text += qolvar::CodeToHex(code);
        } else if (kind == Lines::OkLCh) {
            text += qolvar::FormatColour(code, "css-oklch", qolvar::ConversionConditions{});
        } else {
            std::snprintf(buf, sizeof buf, "oklch(%.4f %.4f %.2f)", (code & 0xFF) / 255.0,
                          ((code >> 8) & 0xFF) / 255.0 * 0.4, (code >> 16) * 360.0 / 256);
            text += buf;
        }
        text += '\n';
    }
    std::fwrite(text.data(), 1, text.size(), f);
    return f;
}

void BM_FormatHex(benchmark::State& state, Lines kind)
{
    std::FILE* in = FormatInput(kind);
    std::FILE* out = std::fopen("/dev/null", "w");
    std::FILE* err = std::fopen("/dev/null", "w");
    const char* argv[] = {"qolvar-cli", "format", "hex"};
    for (auto _ : state) {
        std::rewind(in);
        benchmark::DoNotOptimize(qolvar::cli::Run(3, argv, in, out, err));
    }
    std::fclose(err);
    std::fclose(out);
    std::fclose(in);
    state.SetItemsProcessed(state.iterations() * 100000);
}

// 100 000 codes through a CMYK ICC profile (Debian's libgs-common), under
// one intent: `convert cmyk --profile FILE --intent I`.
void BM_ProfileCMYK(benchmark::State& state, const char* intent)
{
    const char* profile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
    if (std::FILE* f = std::fopen(profile, "rb"))
        std::fclose(f);
    else {
        state.SkipWithError("no /usr/share/color/icc/ghostscript/default_cmyk.icc (libgs-common)");
        return;
    }
    constexpr int kLines = 100000;
    std::FILE* in = std::tmpfile();
    std::string text;
    std::uint32_t x = 24681357;
    for (int i = 0; i < kLines; ++i) {
        x = x * 1664525u + 1013904223u;
        text += qolvar::CodeToHex(x >> 8);
        text += '\n';
    }
    std::fwrite(text.data(), 1, text.size(), in);
    std::FILE* out = std::fopen("/dev/null", "w");
    const char* argv[] = {"qolvar-cli", "convert", "cmyk", "--profile", profile, "--intent", intent};
    for (auto _ : state) {
        std::rewind(in);
        benchmark::DoNotOptimize(qolvar::cli::Run(7, argv, in, out, stderr));
    }
    std::fclose(out);
    std::fclose(in);
    state.SetItemsProcessed(state.iterations() * kLines);
}

}  // namespace

// The command shares its batches between two threads: measured by the clock
// on the wall, not by the main thread's processor time.
BENCHMARK_CAPTURE(BM_ProfileCMYK, relative, "relative")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ProfileCMYK, perceptual, "perceptual")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Batch, hsv, "hsv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, hls, "hls")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, cmyk, "cmyk")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, yuv, "yuv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, xyz, "xyz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, yxy, "yxy")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, lab, "lab")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, luv, "luv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormatHex, hex, Lines::Hex)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormatHex, oklch, Lines::OkLCh)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormatHex, oklch_outside_srgb, Lines::OkLChWide)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Batch, munsell, "munsell")->Unit(benchmark::kMillisecond)->Iterations(1);
