#include "sort.h"

#include <QCoreApplication>
#include <cmath>
#include <utility>

#include "lines.h"

namespace qolvar::table {

QString SortModeCaption(SortMode mode)
{
    static const char* const captions[SortModeCount] = {
        QT_TRANSLATE_NOOP("qolvar::table", "RGB　昇順"),  QT_TRANSLATE_NOOP("qolvar::table", "RGB　降順"),
        QT_TRANSLATE_NOOP("qolvar::table", "色相　昇順"), QT_TRANSLATE_NOOP("qolvar::table", "色相　降順"),
        QT_TRANSLATE_NOOP("qolvar::table", "彩度　昇順"), QT_TRANSLATE_NOOP("qolvar::table", "彩度　降順"),
        QT_TRANSLATE_NOOP("qolvar::table", "明度　昇順"), QT_TRANSLATE_NOOP("qolvar::table", "明度　降順"),
    };
    return QCoreApplication::translate("qolvar::table", captions[static_cast<int>(mode)]);
}

int SortKey(const TColorTabel& entry, SortMode mode)
{
    switch (mode) {
    case SortMode::RGBU:
    case SortMode::RGBD: return entry.Code;
    case SortMode::HU:
    case SortMode::HD: return entry.Hue;
    case SortMode::SU:
    case SortMode::SD: return entry.Sat;
    case SortMode::VU:
    case SortMode::VD: return entry.Val;
    }
    return 0;
}

void SortTbl(std::vector<TColorTabel>& entries, SortMode mode, int lo, int hi)
{
    const bool descending = static_cast<int>(mode) % 2 == 1;
    // Every key is an integer below 2^24, so comparing them as integers is
    // exactly comparing them as the single-precision pivot.
    auto key = [&](int k) { return SortKey(entries[static_cast<std::size_t>(k)], mode); };
    auto before = [&](int a, int b) { return descending ? a > b : a < b; };

    // The ranges still to sort. The two halves of a partition are disjoint,
    // so the order in which they are sorted does not change the result; an
    // explicit stack keeps very long tables off the call stack.
    std::vector<std::pair<int, int>> ranges{{lo, hi}};
    while (!ranges.empty()) {
        const auto [l, h] = ranges.back();
        ranges.pop_back();
        int i = l, j = h;
        const int pivot = key(static_cast<int>(std::nearbyint((static_cast<double>(l) + h) / 2)));
        for (;;) {
            while (before(key(i), pivot)) ++i;
            while (before(pivot, key(j))) --j;
            if (j <= i) break;
            std::swap(entries[static_cast<std::size_t>(i)], entries[static_cast<std::size_t>(j)]);
            ++i;
            --j;
            if (j < i) break;
        }
        if (j + 1 < h) ranges.emplace_back(j + 1, h);
        if (i - 1 > l) ranges.emplace_back(l, i - 1);
    }
}

QStringList EntryLines(const std::vector<TColorTabel>& entries)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(entries.size()));
    for (const auto& e : entries) lines.append(ProgramLine(e.Color, e.Name, e.Comment));
    return lines;
}

}  // namespace qolvar::table
