#include "tablefile.h"

#include "filenames.h"
#include "lines.h"
#include "swatch.h"
#include "textio.h"

namespace qolvar::table {

TableData ReadTextTable(QByteArrayView bytes)
{
    TableData data;
    data.lines = SplitTextLines(DecodeLocalText(bytes));
    data.entries = ParseTblLines(data.lines);
    return data;
}

TableData ReadTableFile(const QString& path)
{
    const QByteArray bytes = ReadFileBytes(path);
    switch (KindOf(path)) {
    case TblFileKind::Aco: return ReadAco(bytes, path);
    case TblFileKind::Cgd: return ReadCgd(bytes, path);
    case TblFileKind::Text: break;
    }
    CheckLineCount(bytes, path);
    return ReadTextTable(bytes);
}

void WriteTableFile(const QString& path, const QStringList& lines, const std::vector<TColorTabel>& entries)
{
    WriteFileAtomic(path, KindOf(path) == TblFileKind::Aco ? WriteAco(entries) : EncodeTextTable(lines));
}

QStringList LogToTabLines(const QStringList& logLines)
{
    QStringList lines;
    lines.reserve(logLines.size());
    for (qsizetype i = 0; i < logLines.size(); ++i) lines.append(LogTableLine(logLines[i], i));
    return lines;
}

QStringList ReadLogLines(const QString& path) { return ReadTextLines(path); }

}  // namespace qolvar::table
