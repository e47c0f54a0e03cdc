// The main window's colour table drop-down with a 4097-line table: loading
// it (reading, rows, caption, colours) and sorting it on and off; a table
// of one ten-million-character line in the drop-down and the status bar
// (the current colour its entry) and in the shown editor, painted.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "application.h"
#include "mainwindow/colortablecombo.h"
#include "mainwindow/colourtable.h"
#include "mainwindow/mainwindow.h"
#include "platform/dialogs.h"
#include "platform/settings.h"
#include "tableeditor/tbledit.h"
#include "widgets/files.h"
#include "windows.h"

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString table, enormous;
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
        enormous = dir.filePath("enormous.tab");
        QFile e(enormous);
        e.open(QIODevice::WriteOnly);
        e.write("#FF0000 " + QByteArray(10'000'000, 'x') + " comment\r\n#00FF00 green\r\n");
        e.close();
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

void BM_OpenEnormousLine(benchmark::State& state)
{
    auto& f = Get();
    auto* main = f.windows->formMain.get();
    auto* editor = f.windows->formTblEdit.get();
    main->show();
    editor->show();
    for (auto _ : state) {
        main->findChild<qolvar::app::ColourTableDropDown*>()->OpenColorTable(f.enormous);
        main->SetCurRGB(0xFF0000);
        editor->TblFileRead(f.enormous);
        main->repaint();
        editor->repaint();
        QCoreApplication::processEvents();
    }
    editor->hide();
}

}  // namespace

BENCHMARK(BM_LoadDropDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortDropDownOnAndOff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEnormousLine)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qolvar::app::QolvarApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
