// The magnifier's grab-and-draw step: a pointer move grabs the pixels
// around the position, averages the square and paints the enlarged view
// and its strip. At 32× (and 2×, the largest grab) from an image; from the
// real screen as well when run on X11 (QT_QPA_PLATFORM=xcb under
// xvfb-run). A redraw must take well under 16 ms (60 updates a second).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <memory>

#include "picking/magnifier.h"
#include "platform/screenpick.h"

namespace {

QImage Photo()
{
    QImage image(3840, 2160, QImage::Format_RGB32);
    std::uint32_t x = 1;
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            x = x * 1664525u + 1013904223u;
            line[col] = 0xFF000000u | (x >> 8);
        }
    }
    return image;
}

void GrabAndDraw(benchmark::State& state, qolvar::app::PickSurface& surface, QRect bounds)
{
    qolvar::app::Magnifier magnifier(&surface);
    magnifier.setZoom(static_cast<int>(state.range(0)));
    magnifier.setAverage(static_cast<int>(state.range(1)));
    QImage canvas(magnifier.sizeHint(), QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        // The pointer moves one pixel each time, across the middle.
        const QPoint at(bounds.left() + 64 + i % (bounds.width() - 128), bounds.center().y());
        ++i;
        magnifier.setPosition(at);
        QPainter painter(&canvas);
        magnifier.draw(painter);
        painter.end();
        benchmark::DoNotOptimize(magnifier.colour());
    }
}

void BM_MagnifierImage(benchmark::State& state)
{
    static qolvar::app::ImageSurface surface(Photo());
    GrabAndDraw(state, surface, surface.image().rect());
}

void BM_MagnifierScreen(benchmark::State& state)
{
    if (!qolvar::platform::screenReader().canReadPixels()) {
        state.SkipWithError("the screen cannot be read here (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        return;
    }
    qolvar::app::ScreenSurface surface;
    GrabAndDraw(state, surface, QGuiApplication::primaryScreen()->geometry());
}

}  // namespace

// Arguments: zoom, averaging square.
BENCHMARK(BM_MagnifierImage)->Args({32, 1})->Args({32, 7})->Args({2, 7})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MagnifierScreen)->Args({32, 1})->Args({32, 7})->Args({2, 7})->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
