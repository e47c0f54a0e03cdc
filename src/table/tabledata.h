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
    QString title;                     // a colour guide's (.cgd) title, else empty
    // Swatch files announce their colour count; when the file ends before
    // the last of them, the complete ones are read and warning says so.
    long long announced = 0;
    QString warning;
};

}  // namespace qolvar::table
