// GIMP palettes (.gpl), read and written.
//
// A palette is UTF-8 text:
//
//     GIMP Palette              the mark, the first line
//     Name: Web colours         optional: the palette's name
//     Columns: 16               optional: how many columns to show (0..256)
//     #                         comments: lines that begin with "#"
//     255   0   0	Red          red, green, blue (0..255) and the colour's name
//
// Reading: lines end at LF, CR LF or CR; a byte-order mark is dropped (text
// that is not UTF-8 is read as CP932, as text tables are). The "Name:" and
// "Columns:" lines are header lines right after the mark, in either order.
// In the body, empty lines, lines of blanks and "#" lines are skipped; the
// three numbers are separated by blanks or tabs, and everything after the
// third (less blanks at both ends) is the name, which may hold blanks and
// may be missing. A line without three whole numbers 0..255 is no colour:
// it is passed over, and the warning tells how many such lines there were
// and where the first one is. Entries become table lines as .aco names do
// ("#RRGGBB name", quoted when the name holds blanks), without comments.
//
// Writing: "GIMP Palette", "Name: " + the palette name, "Columns: " + the
// palette's columns (16 when it has none) and
// "#", then one line per entry "%3d %3d %3d" + tab + name (the tab only
// when there is a name), UTF-8 with LF. Comments are not written (see
// CommentsLost in tablefile.h).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

#include "entry.h"
#include "tabledata.h"

namespace qolvar::table {

// fileName only names the file in messages. The palette's name becomes
// TableData::title, its columns (0..256) TableData::columns. Throws FileError when the first line is not the mark.
TableData ReadGpl(QByteArrayView bytes, const QString& fileName = {});

// The palette of the entries' colours and names; columns 1..256 as given,
// else 16.
QByteArray WriteGpl(const std::vector<TColorTabel>& entries, const QString& paletteName, int columns = 0);

// The palette name a file is written with: its file-name part up to the
// last dot (the whole part when that leaves nothing).
QString GplPaletteName(const QString& path);

}  // namespace qolvar::table
