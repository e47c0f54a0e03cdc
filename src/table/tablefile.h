// Reading and writing table files, dispatched by the file's extension as
// the table editor does it (TblFileExt, see filenames.h):
//   .aco  Photoshop swatch (read and written), .cgd  colour guide (read),
//   .gpl  GIMP palette (read and written), .ase  swatch exchange file
//   (read and written),
//   anything else a text table: one entry per line, every line kept as it
//   stands (lines end at CR LF, LF or CR; there is no header).
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

#include "colour/conditions.h"
#include "entry.h"
#include "tabledata.h"

namespace qolvar::table {

// A text table's lines and their entries.
TableData ReadTextTable(QByteArrayView bytes);

// Reads the file by its extension (L*a*b* swatches under the conditions'
// gamma and white). Throws FileError when it cannot be read or holds no
// table of its kind; a file read only in part is no error (see
// TableData::warning). Nothing is changed anywhere on failure.
TableData ReadTableFile(const QString& path, const ConversionConditions& conditions);

// Writes a Photoshop swatch of the entries when the path's extension is
// ".aco", a GIMP palette when it is ".gpl" (with the palette's name and
// columns; a palette without a name is named after the file), a swatch
// exchange file of one group named after the file for ".ase", else the
// text table of the lines. A ".cgd" path and a file the readers would not
// take back are refused. Atomic: on failure (FileError, or RangeError for a
// swatch of more than 65535 colours) the previous file stays as it was.
void WriteTableFile(const QString& path, const QStringList& lines, const std::vector<TColorTabel>& entries,
                    const PaletteHeader& palette = {});

// Swatches and palettes hold colours and names only. CommentsLost is how
// many entries would lose their comment when written to the path (0 for a
// text table); the question (may be declined) and the warning say so,
// naming the path's format.
int CommentsLost(const QString& path, const std::vector<TColorTabel>& entries);
QString CommentsLostQuestion(const QString& path, int count);
QString CommentsLostWarning(const QString& path, int count);

// The table lines of a colour log's lines: log line i becomes
// LogTableLine(line, i) (CN0000, CN0001, ...).
QStringList LogToTabLines(const QStringList& logLines);

// The lines of a colour log file (UTF-8 or CP932, CR LF / LF / CR).
// Throws FileError when it cannot be read.
QStringList ReadLogLines(const QString& path);

}  // namespace qolvar::table
