// Sorting a table by RGB code, hue, saturation or value.
//
// SortTbl is an in-place quicksort that is not stable: entries with equal
// keys come out in the order its exchanges leave them (three equal entries
// A, B, C give C, B, A; four give C, D, A, B). The pivot is the key of the
// entry at (lo + hi) / 2 rounded to the nearest index, halves to the even
// one.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "entry.h"

namespace qolvar::table {

// The eight orders, in the order of the editor's sort menu.
enum class SortMode { RGBU, RGBD, HU, HD, SU, SD, VU, VD };
inline constexpr int SortModeCount = 8;

// "RGB　昇順", "RGB　降順", "色相　昇順", ... (the blank is U+3000).
QString SortModeCaption(SortMode mode);

// The mode's key of an entry: Code, Hue, Sat or Val.
int SortKey(const TColorTabel& entry, SortMode mode);

// Sorts entries lo..hi (inclusive) in place.
void SortTbl(std::vector<TColorTabel>& entries, SortMode mode, int lo, int hi);

// The entries' lines in the program's own form (see ProgramLine).
QStringList EntryLines(const std::vector<TColorTabel>& entries);

}  // namespace qolvar::table
