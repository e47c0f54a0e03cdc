// The table editor's work on a table of 4097 lines: every list operation
// including the derivation of all entries that ends it, sorting, and
// reading and writing text tables, colour logs and Photoshop swatches.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "table/document.h"
#include "table/sort.h"
#include "table/swatch.h"
#include "table/tablefile.h"
#include "table/textio.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

constexpr int kLines = 4097;

QStringList TableLines(int n)
{
    std::mt19937 rng(42);
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines.append(QStringLiteral("#%1 色名%2 コメント %3, あれこれ")
                         .arg(rng() & 0xFFFFFF, 6, 16, QChar(u'0'))
                         .arg(i)
                         .arg(rng() % 1000));
    return lines;
}

struct Files {
    QTemporaryDir dir;
    QString table = dir.filePath("big.tab");
    QString log = dir.filePath("big.log");
    QString out = dir.filePath("out.tab");
    Files()
    {
        WriteFileAtomic(table, EncodeTextTable(TableLines(kLines)));
        QStringList log;
        for (int i = 0; i < kLines; ++i)
            log.append(QStringLiteral("RGB=#%1 HSV=30,255,255").arg(i * 4093 & 0xFFFFFF, 6, 16, QChar(u'0')));
        WriteFileAtomic(this->log, EncodeTextTable(log));
    }
};

Files& Shared()
{
    static Files files;
    return files;
}

const TblDocument& Loaded()
{
    static TblDocument doc = [] {
        // Sorting takes a snapshot of all lines; reading again keeps it, so
        // undo has a whole table to bring back.
        TblDocument d;
        d.TblFileRead(Shared().table, ConversionConditions{});
        d.SortTable(SortMode::RGBU, 0);
        d.TblFileRead(Shared().table, ConversionConditions{});
        return d;
    }();
    return doc;
}

const QList<int> kSelection{100, 101, 102, 2000, 2001, 4000, 4001, 4002, 4003, 4096};

// Runs op on a fresh copy of the loaded table each time; only op is timed.
template <class Op>
void OnTable(benchmark::State& state, Op op)
{
    for (auto _ : state) {
        state.PauseTiming();
        TblDocument doc = Loaded();
        state.ResumeTiming();
        benchmark::DoNotOptimize(op(doc));
    }
}

void BM_Undo(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.EditUndo(0); });
}
void BM_Copy(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.EditCopy(kSelection); });
}
void BM_Cut(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.EditCut(100, kSelection); });
}
void BM_Paste(benchmark::State& s)
{
    QString clip;
    for (int i = 0; i < 10; ++i) clip += QStringLiteral("#FF8000 pasted%1 comment\r\n").arg(i);
    OnTable(s, [&](TblDocument& d) { return d.EditPaste(clip, 2048); });
}
void BM_Delete(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.EditDelete(100, kSelection); });
}
void BM_Insert(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.EditInsert(2048); });
}
void BM_Replace(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.EditReplace(0, "2048", "FF8000", "Orange", "warm"); });
}
void BM_Add(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.EditAdd("FF8000", "", "warm"); });
}
void BM_MoveUp(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.MoveUp(2048); });
}
void BM_MoveDown(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.MoveDown(2048); });
}
void BM_DragDrop(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.DragDrop(100, kSelection, 70, 20, 1000); });
}
void BM_SortTable(benchmark::State& s)
{
    OnTable(s, [&](TblDocument& d) { return d.SortTable(static_cast<SortMode>(s.range(0)), 0); });
}
void BM_LogToTab(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.LogToTab(Shared().log); });
}
void BM_ReadTextTable(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) { return d.TblFileRead(Shared().table, ConversionConditions{}); });
}
void BM_SaveTextTable(benchmark::State& s)
{
    OnTable(s, [](TblDocument& d) {
        d.TblFileSaveAs(Shared().out);
        return d.Count();
    });
}

// SortTbl alone over 4097 entries of random colours.
void BM_SortTbl(benchmark::State& state)
{
    const std::vector<TColorTabel> entries = Loaded().TblEntries();
    const auto mode = static_cast<SortMode>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TColorTabel> v = entries;
        state.ResumeTiming();
        SortTbl(v, mode, 0, kLines - 1);
        benchmark::DoNotOptimize(v.data());
    }
}

std::vector<TColorTabel> SwatchEntries(int n)
{
    std::vector<TColorTabel> v;
    for (int i = 0; i < n; ++i)
        v.push_back(
            MakeEntry(static_cast<TColor>(i * 2654435761u & 0xFFFFFF), QStringLiteral("Swatch colour %1").arg(i)));
    return v;
}

void BM_WriteAco(benchmark::State& state)
{
    const auto entries = SwatchEntries(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(WriteAco(entries));
}

void BM_ReadAco(benchmark::State& state)
{
    const QByteArray bytes = WriteAco(SwatchEntries(static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(ReadAco(bytes, ConversionConditions{}));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

}  // namespace

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
BENCHMARK(BM_SortTable)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogToTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTextTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTextTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTbl)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAco)->Arg(4097)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAco)->Arg(4097)->Arg(65535)->Unit(benchmark::kMillisecond);
