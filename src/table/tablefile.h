// Reading and writing table files, dispatched by the file's extension as
// the table editor does it (TblFileExt, see filenames.h):
//   .aco  Photoshop swatch (read and written), .cgd  colour guide (read),
//   anything else a text table: one entry per line, every line kept as it
//   stands (lines end at CR LF, LF or CR; there is no header).
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

#include "entry.h"
#include "tabledata.h"

namespace qolvar::table {

// A text table's lines and their entries.
TableData ReadTextTable(QByteArrayView bytes);

// Reads the file by its extension. Throws FileError when it cannot be read
// or holds no table of its kind; a file read only in part is no error (see
// TableData::warning). Nothing is changed anywhere on failure.
TableData ReadTableFile(const QString& path);

// Writes a Photoshop swatch of the entries when the path's extension is
// ".aco", else the text table of the lines. Atomic: on failure (FileError,
// or RangeError for a swatch of more than 65535 colours) the previous file
// stays as it was.
void WriteTableFile(const QString& path, const QStringList& lines, const std::vector<TColorTabel>& entries);

// The table lines of a colour log's lines: log line i becomes
// LogTableLine(line, i) (CN0000, CN0001, ...).
QStringList LogToTabLines(const QStringList& logLines);

// The lines of a colour log file (UTF-8 or CP932, CR LF / LF / CR).
// Throws FileError when it cannot be read.
QStringList ReadLogLines(const QString& path);

}  // namespace qolvar::table
