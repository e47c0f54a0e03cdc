// The main window's colour table drop-down with a 4097-line table: loading
// it (reading, rows, caption, colours) and sorting it on and off.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "application.h"
#include "mainwindow/colortablecombo.h"
#include "mainwindow/colourtable.h"
#include "mainwindow/mainwindow.h"
#include "platform/dialogs.h"
#include "platform/settings.h"
#include "widgets/files.h"
#include "windows.h"

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString table;
    std::optional<qolvar::app::Windows> windows;
    Fixture()
    {
        qolvar::platform::SetSettingsFile(dir.filePath("settings.ini"));
        table = dir.filePath("big.tab");
        QFile f(table);
        f.open(QIODevice::WriteOnly);
        std::uint32_t x = 1;
        for (int i = 0; i < 4097; ++i) {
            x = x * 1664525u + 1013904223u;
            f.write(QStringLiteral("#%1 Colour%2 コメント\r\n").arg(x >> 8, 6, 16, QLatin1Char('0')).arg(i).toUtf8());
        }
        f.close();
        windows.emplace(qolvar::app::CreateWindows());
    }
};

Fixture& Get()
{
    static Fixture f;
    return f;
}

void BM_LoadDropDown(benchmark::State& state)
{
    auto& f = Get();
    for (auto _ : state) f.windows->formMain->findChild<qolvar::app::ColourTableDropDown*>()->LoadColorTable(f.table);
    state.counters["rows"] = f.windows->formMain->findChild<qolvar::app::ColourTableDropDown*>()->TableColors().size();
}

void BM_SortDropDownOnAndOff(benchmark::State& state)
{
    auto& f = Get();
    f.windows->formMain->findChild<qolvar::app::ColourTableDropDown*>()->OpenColorTable(f.table);
    for (auto _ : state) f.windows->formMain->findChild<QAction*>("TblSort1")->trigger();
    state.counters["rows"] = f.windows->formMain->findChild<QComboBox*>("cboxColor")->count();
    if (f.windows->formMain->findChild<QAction*>("TblSort1")->isChecked())
        f.windows->formMain->findChild<QAction*>("TblSort1")->trigger();
}

}  // namespace

BENCHMARK(BM_LoadDropDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortDropDownOnAndOff)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qolvar::app::QolvarApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
