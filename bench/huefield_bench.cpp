// The HUE page's painting and dragging costs: a full repaint of the HSV
// colour field (65,536 conversions and pixels), the HLS strip, and one
// mouse-move step of a drag on the field or the strip with every display
// it updates. Runs the program's windows on the offscreen platform with
// silent dialogs and a settings file of its own.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "application.h"
#include "mainwindow/mainwindow.h"
#include "pages/huefield.h"
#include "pages/page_hue.h"
#include "platform/dialogs.h"
#include "platform/settings.h"
#include "widgets/files.h"
#include "windows.h"

using namespace qolvar;

namespace {

class SilentDialogs : public platform::Dialogs {
public:
    int message(QWidget*, platform::MsgKind, const QString&, const QString&, int) override { return platform::kOk; }
    void beep() override {}
    QString openFile(QWidget*, const platform::FileDialogOptions&) override { return {}; }
    QString saveFile(QWidget*, const platform::FileDialogOptions&) override { return {}; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    int shellOpen(const QString&) override { return 2; }
};

app::TformMain* formMain = nullptr;

void BM_HSVFieldRepaint(benchmark::State& state)
{
    QImage canvas(256, 256, QImage::Format_RGB32);
    std::uint32_t hue = 0;
    for (auto _ : state) {
        app::FillHSVField(canvas, hue);
        benchmark::DoNotOptimize(canvas.constBits());
        hue = (hue + 7) % 360;
    }
    state.SetItemsProcessed(state.iterations() * 65536);
}
BENCHMARK(BM_HSVFieldRepaint)->Unit(benchmark::kMillisecond);

// Gradation1 on the page: the field of the hue shown, with its circle.
void BM_Gradation1(benchmark::State& state)
{
    app::HuePage* page = formMain->findChild<app::HuePage*>();
    for (auto _ : state) page->Gradation1();
}
BENCHMARK(BM_Gradation1)->Unit(benchmark::kMillisecond);

void BM_HLSStripRepaint(benchmark::State& state)
{
    QImage canvas(21, 255, QImage::Format_RGB32);
    std::uint32_t hue = 0;
    for (auto _ : state) {
        app::PaintHLSStrip(canvas, hue, 200);
        hue = (hue + 7) % 360;
    }
}
BENCHMARK(BM_HLSStripRepaint)->Unit(benchmark::kMicrosecond);

// One move of a drag on the field: conversion, markers (and in HLS the
// strip), spin edits, code label, result swatch, CurRGB and the RGB section.
void BM_FieldDragStep(benchmark::State& state)
{
    app::HuePage* page = formMain->findChild<app::HuePage*>();
    const int mode = static_cast<int>(state.range(0));
    page->findChild<QWidget*>(QStringLiteral("RadioGroupHue%1").arg(mode))->setProperty("checked", true);
    QCoreApplication::processEvents();
    page->PaintBox1MouseDown(0, 0);
    int i = 0;
    const bool repaint = state.range(1) != 0;
    for (auto _ : state) {
        page->PaintBox1MouseMove((i * 37) % 360, (i * 11) % 256);
        // With repaint: the widgets that changed are painted as well.
        if (repaint) QCoreApplication::processEvents();
        ++i;
    }
    page->PaintBox1MouseUp();
    state.SetLabel(std::string(mode == app::HuePage::kHSV ? "HSV" : "HLS") + (repaint ? " with repaint" : ""));
}
BENCHMARK(BM_FieldDragStep)
    ->ArgsProduct({{app::HuePage::kHSV, app::HuePage::kHLS}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// One move of a drag on the strip; in HSV it repaints the field for the
// new hue.
void BM_StripDragStep(benchmark::State& state)
{
    app::HuePage* page = formMain->findChild<app::HuePage*>();
    const int mode = static_cast<int>(state.range(0));
    page->findChild<QWidget*>(QStringLiteral("RadioGroupHue%1").arg(mode))->setProperty("checked", true);
    QCoreApplication::processEvents();
    page->PaintBox2MouseDown(0);
    int i = 0;
    for (auto _ : state) page->PaintBox2MouseMove((i++ * 37) % 256);
    page->PaintBox2MouseUp();
    state.SetLabel(mode == app::HuePage::kHSV ? "HSV" : "HLS");
}
BENCHMARK(BM_StripDragStep)->Arg(app::HuePage::kHSV)->Arg(app::HuePage::kHLS)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app::QolvarApplication application(argc, argv);
    QTemporaryDir dir;
    SilentDialogs dialogs;
    platform::SetDialogs(&dialogs);
    platform::SetSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    app::Windows windows = app::CreateWindows();
    formMain = windows.formMain.get();
    formMain->show();
    (void)QTest::qWaitForWindowExposed(formMain);
    formMain->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::SetDialogs(nullptr);
    return 0;
}
