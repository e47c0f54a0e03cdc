// The lines that the table's operations compose.
//
//   insert            "#FFFFFF 0"
//   replace           "#" + hex field + " " + name + " " + comment
//   add               "#" + hex field + " " + name or number name [+ " " + comment]
//   sorting, .aco     "#RRGGBB " + name [+ " " + comment]
//   .cgd              "#RRGGBB " + name + " " + comment
//   log conversion    code + " " + number name + " " + rest of the log line
//
// A line never holds a line break: a break inside a field (a multi-line
// comment, a name read from a swatch file) becomes a blank, so that saving
// and reading the table gives back the same lines.
#pragma once

#include <QString>

#include "colour/codes.h"

namespace qolvar::table {

// text with every CR LF, CR and LF replaced by one blank.
QString OneLine(const QString& text);

// Whether a name must be written in double quotes so that the derivation
// reads it back whole: it holds a blank (characters 1..32) or a comma, or it
// begins with a double quote.
bool NameNeedsQuotes(const QString& name);
// The name in double quotes, inner quotes doubled.
QString QuoteName(const QString& name);

// "CN" and n in at least four digits: CN0001, CN0099, CN0100, CN01000 (the
// format " CN000%d" / " CN00%d" / " CN0%d" without its leading blank).
QString NumberName(long long n);

inline const QString InsertedLine = QStringLiteral("#FFFFFF 0");

QString ReplaceLine(const QString& hexField, const QString& name, const QString& comment);

// The line that add appends to a table of lineCount lines: a name that is
// empty or begins with "CN0" is taken for a generated number and replaced
// by NumberName(lineCount + 1).
QString AddLine(const QString& hexField, const QString& name, const QString& comment, long long lineCount);

// The program's own form of an entry: "#RRGGBB name", then " comment" when
// the comment is not empty. Without a comment, a name that the derivation
// would split (NameNeedsQuotes) is written quoted, so it reads back whole.
QString ProgramLine(TColor color, const QString& name, const QString& comment);

// One line of a colour log ("RGB=#RRGGBB text") as the table
// line of log line index i: everything before the first "#" is dropped, the
// next seven characters are the code, the one after them is passed over and
// the rest follows the number name.
QString LogTableLine(const QString& logLine, long long i);

}  // namespace qolvar::table
