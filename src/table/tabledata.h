// What reading a table file gives: the list's lines and their entries.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "entry.h"

namespace qolvar::table {

struct TableData {
    QStringList lines;
    std::vector<TColorTabel> entries;  // one per line
    QString title;                     // a colour guide's (.cgd) title or a palette's (.gpl) name, else empty
    int columns = 0;                   // a palette's (.gpl) columns, 0 when it gives none
    // Swatch files announce their colour count; when the file ends before
    // the last of them, the complete ones are read and warning says so.
    long long announced = 0;
    QString warning;
};

// What a palette (.gpl) is written with besides its colours: its name
// (empty: the file's name) and its columns (0: sixteen).
struct PaletteHeader {
    QString name;
    int columns = 0;
};

}  // namespace qolvar::table
