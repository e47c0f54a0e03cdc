// The palette of a 12-megapixel image (4000 × 3000): the library's k-means
// on the pixels, the mean ΔE00 of its palette, and the whole `palette`
// command on a PNG of the same image (decoding included). The image is a
// smooth two-way gradient with a little noise, so that nearly every sampled
// pixel has a colour of its own, as in a photograph.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "colour/imagepalette.h"

namespace {

constexpr int kWidth = 4000, kHeight = 3000;

const std::vector<qolvar::RGBCode>& Pixels()
{
    static const std::vector<qolvar::RGBCode> pixels = [] {
        std::vector<qolvar::RGBCode> p;
        p.reserve(std::size_t{kWidth} * kHeight);
        std::uint32_t x = 2463534242u;
        for (int y = 0; y < kHeight; ++y)
            for (int i = 0; i < kWidth; ++i) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                auto channel = [&](int base, int shift) {
                    const int v = base + static_cast<int>((x >> shift) & 15) - 8;
                    return static_cast<qolvar::RGBCode>(v < 0 ? 0 : v > 255 ? 255 : v);
                };
                const int r = i * 255 / (kWidth - 1), g = y * 255 / (kHeight - 1), b = 255 - (r + g) / 2;
                p.push_back(channel(r, 0) << 16 | channel(g, 8) << 8 | channel(b, 16));
            }
        return p;
    }();
    return pixels;
}

void BM_ImagePalette(benchmark::State& state)
{
    const auto& pixels = Pixels();
    for (auto _ : state) benchmark::DoNotOptimize(qolvar::ImagePalette(pixels, static_cast<int>(state.range(0))));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pixels.size()));
}

void BM_MeanDeltaE2000(benchmark::State& state)
{
    const auto& pixels = Pixels();
    std::vector<qolvar::RGBCode> palette;
    for (const auto& c : qolvar::ImagePalette(pixels, static_cast<int>(state.range(0)))) palette.push_back(c.code);
    for (auto _ : state) benchmark::DoNotOptimize(qolvar::MeanDeltaE2000(pixels, palette));
}

// qolvar-cli palette IMAGE.png 16, as a user runs it.
void BM_PaletteCommand(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("image.png"));
    {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        const auto& pixels = Pixels();
        for (int y = 0; y < kHeight; ++y)
            std::copy_n(pixels.data() + std::size_t{kWidth} * static_cast<std::size_t>(y), kWidth,
                        reinterpret_cast<QRgb*>(image.scanLine(y)));
        if (!image.save(path)) state.SkipWithError("cannot write the PNG");
    }
    const std::string file = path.toStdString();
    const char* argv[] = {"qolvar-cli", "palette", file.c_str(), "16"};
    std::FILE* out = std::fopen("/dev/null", "w");
    for (auto _ : state) benchmark::DoNotOptimize(qolvar::cli::Run(4, argv, stdin, out, stderr));
    std::fclose(out);
}

}  // namespace

BENCHMARK(BM_ImagePalette)->Arg(8)->Arg(16)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeanDeltaE2000)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaletteCommand)->Unit(benchmark::kMillisecond)->Iterations(1);
