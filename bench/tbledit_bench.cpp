// The table editor window at work on a table of 4097 lines: every list
// operation as the window runs it (the document's operation, the list
// shown anew, the current entry shown) followed by a repaint of the list.
// Operations that change the table start each round from the same
// 4097-line table (read outside the timing). Runs the program's windows on
// the offscreen platform with silent dialogs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <random>

#include "application.h"
#include "platform/dialogs.h"
#include "platform/settings.h"
#include "tableeditor/tbledit.h"
#include "widgets/files.h"
#include "windows.h"

using namespace qolvar;

namespace {

constexpr int kLines = 4097;

class SilentDialogs : public platform::Dialogs {
public:
    QString path;  // what the file dialogs answer
    int message(QWidget*, platform::MsgKind, const QString&, const QString&, int) override { return platform::kNo; }
    void beep() override {}
    QString openFile(QWidget*, const platform::FileDialogOptions&) override { return path; }
    QString saveFile(QWidget*, const platform::FileDialogOptions&) override { return path; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    int shellOpen(const QString&) override { return 42; }
};

SilentDialogs* dialogs = nullptr;
app::TformTblEdit* editor = nullptr;
QString tablePath, logPath;

void WriteFiles(const QTemporaryDir& dir)
{
    std::mt19937 rng(42);
    QByteArray table, log;
    for (int i = 0; i < kLines; ++i) {
        const QString hex = QStringLiteral("%1").arg(rng() & 0xFFFFFF, 6, 16, QChar(u'0')).toUpper();
        table += QStringLiteral("#%1 色名%2 コメント %3, あれこれ\r\n").arg(hex).arg(i).arg(rng() % 1000).toUtf8();
        log += QStringLiteral("RGB=#%1 HSV=%2,%3,%4\r\n")
                   .arg(hex)
                   .arg(rng() % 360)
                   .arg(rng() % 256)
                   .arg(rng() % 256)
                   .toUtf8();
    }
    tablePath = dir.filePath(QStringLiteral("big.tab"));
    logPath = dir.filePath(QStringLiteral("big.log"));
    for (const auto& [path, bytes] : {std::pair{tablePath, table}, std::pair{logPath, log}}) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
}

// The 4097-line table with row 2048 current and rows 2048..2057 selected,
// shown from row 2040.
void Reset()
{
    editor->TblFileRead(tablePath);
    editor->lboxColor->SetCurrentRow(2048, 2048, 2057);
    editor->lboxColor->SetTopRow(2040);
    editor->lboxColor->viewport()->repaint();
}

void Repaint() { editor->lboxColor->viewport()->repaint(); }

// Runs op on the table of kLines lines; fresh: reset before every round.
void Run(benchmark::State& state, const std::function<void()>& op, bool fresh = true, bool empties = false)
{
    Reset();
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            Reset();
            state.ResumeTiming();
        }
        op();
        Repaint();
    }
    if (!empties && editor->Document().Count() < kLines - 10) state.SkipWithError("the table shrank");
}

void BM_Read(benchmark::State& s)
{
    Run(
        s, [] { editor->TblFileRead(tablePath); }, false);
}
void BM_New(benchmark::State& s)
{
    Run(
        s, [] { editor->TblFileNew(); }, true, true);
}
void BM_Undo(benchmark::State& s)
{
    Reset();
    editor->EditInsert();  // a snapshot of 4097 lines
    Run(
        s, [] { editor->EditUndo(); }, false);
}
void BM_Copy(benchmark::State& s)
{
    Run(
        s, [] { editor->EditCopy(); }, false);
}
void BM_Cut(benchmark::State& s)
{
    Run(s, [] { editor->EditCut(); });
}
void BM_Paste(benchmark::State& s)
{
    QString text;
    for (int i = 0; i < 10; ++i) text += QStringLiteral("#12345%1 貼り付け%1 x\r\n").arg(i);
    QGuiApplication::clipboard()->setText(text);
    Run(s, [] { editor->EditPaste(); });
}
void BM_Delete(benchmark::State& s)
{
    Run(s, [] { editor->EditDelete(); });
}
void BM_Insert(benchmark::State& s)
{
    Run(s, [] { editor->EditInsert(); });
}
void BM_Replace(benchmark::State& s)
{
    Run(s, [] { editor->EditReplace(); });
}
void BM_Add(benchmark::State& s)
{
    Run(s, [] { editor->EditAdd(); });
}
void BM_MoveUp(benchmark::State& s)
{
    Run(s, [] { editor->spbtUpClick(); });
}
void BM_MoveDown(benchmark::State& s)
{
    Run(s, [] { editor->spbtDownClick(); });
}
void BM_DragDrop(benchmark::State& s)
{
    Run(s, [] { editor->lboxColorDragDrop(100); });
}
void BM_Sort(benchmark::State& s)
{
    QAction* items[] = {editor->RGBU, editor->RGBD, editor->HU, editor->HD,
                        editor->SU,   editor->SD,   editor->VU, editor->VD};
    items[s.range(0)]->setChecked(true);
    Run(s, [] { editor->TblEditSort1Click(); });
    s.SetLabel(items[s.range(0)]->objectName().toStdString());
}
void BM_LogToTab(benchmark::State& s)
{
    dialogs->path = logPath;
    Run(s, [] { editor->LogToTab(); });
}
void BM_ClickRow(benchmark::State& s)
{
    int row = 0;
    Run(
        s,
        [&row] {
            editor->lboxColor->SetCurrentRow(row);
            row = (row + 97) % kLines;
        },
        false);
}
void BM_Wheel(benchmark::State& s)
{
    int k = 0;
    Run(
        s,
        [&k] {
            if (++k % 2000 < 1000)
                editor->FormMouseWheelDown();
            else
                editor->FormMouseWheelUp();
        },
        false);
}

BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_New)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Insert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Replace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Add)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragDrop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogToTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickRow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wheel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app::QolvarApplication application(argc, argv);
    QTemporaryDir dir;
    SilentDialogs silent;
    dialogs = &silent;
    platform::SetDialogs(&silent);
    platform::SetSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    WriteFiles(dir);
    app::Windows windows = app::CreateWindows();
    editor = windows.formTblEdit.get();
    editor->show();
    (void)QTest::qWaitForWindowExposed(editor);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::SetDialogs(nullptr);
    return 0;
}
