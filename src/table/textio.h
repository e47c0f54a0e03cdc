// Text and bytes of table files.
//
// Files are read as UTF-8 (a leading byte-order mark dropped) or, when the
// bytes are not valid UTF-8, as Shift-JIS (CP932), so tables and logs made
// on Japanese Windows systems open correctly. Text tables are written in
// UTF-8 with CR LF after every line. Every write goes through QSaveFile: a
// failed write leaves the previous file as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qolvar::table {

// Files larger than this are refused rather than loaded (a table of
// 100 000 lines is a few megabytes).
inline constexpr qint64 MaxFileBytes = qint64(256) << 20;
// Text files of more lines than this are refused too: every line costs
// about 90 bytes once read (its text and its entry), so a file of blank
// lines would otherwise need ninety times its size.
inline constexpr qint64 MaxTextLines = 1'000'000;

// CP932 bytes as text; bytes that are no character become U+FFFD. Falls
// back to Latin-1 when the Qt build has no Shift-JIS codec.
QString DecodeCp932(QByteArrayView bytes);
// UTF-8 when the bytes are valid UTF-8, else CP932.
QString DecodeLocalText(QByteArrayView bytes);

// Splits text into lines at CR LF, lone LF and lone CR. A line end at the
// very end adds no empty line; the empty text has no lines.
QStringList SplitTextLines(const QString& text);

// The text table: every line in UTF-8 followed by CR LF.
QByteArray EncodeTextTable(const QStringList& lines);

// The whole file. Throws FileError "ファイル PATH は開けません" when it cannot
// be opened or read, or is larger than MaxFileBytes.
QByteArray ReadFileBytes(const QString& path);

// Throws FileError when something other than a regular file (a device, a
// FIFO, a folder, also behind a symbolic link) lies at path: the windows
// never read those, which would read without end or wait for a writer.
// Nothing at path passes (opening it reports that).
void RequireRegularFile(const QString& path);
// The lines of a text file (a table or a log), decoded and split as above.
// Throws FileError as ReadFileBytes does, and when the file has more than
// MaxTextLines lines.
QStringList ReadTextLines(const QString& path);
// Throws that FileError when bytes hold more than MaxTextLines lines.
void CheckLineCount(QByteArrayView bytes, const QString& path);
// Replaces the file atomically. Throws FileError "ファイル PATH を作成できません".
void WriteFileAtomic(const QString& path, const QByteArray& bytes);

// The file-name part of a path (after the last separator).
QString FileNamePart(const QString& path);

}  // namespace qolvar::table
