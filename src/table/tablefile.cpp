#include "tablefile.h"

#include <QCoreApplication>

#include <algorithm>

#include "ase.h"
#include "filenames.h"
#include "gpl.h"
#include "lines.h"
#include "swatch.h"
#include "textio.h"

#include "colour/errors.h"

namespace qolvar::table {

TableData ReadTextTable(QByteArrayView bytes)
{
    TableData data;
    data.lines = SplitTextLines(DecodeLocalText(bytes));
    data.entries = ParseTblLines(data.lines);
    return data;
}

TableData ReadTableFile(const QString& path, const ConversionConditions& conditions)
{
    const QByteArray bytes = ReadFileBytes(path);
    switch (KindOf(path)) {
    case TblFileKind::Aco: return ReadAco(bytes, conditions, path);
    case TblFileKind::Cgd: return ReadCgd(bytes, path);
    case TblFileKind::Gpl: CheckLineCount(bytes, path); return ReadGpl(bytes, path);
    case TblFileKind::Ase: return ReadAse(bytes, path);
    case TblFileKind::Text: break;
    }
    CheckLineCount(bytes, path);
    return ReadTextTable(bytes);
}

void WriteTableFile(const QString& path, const QStringList& lines, const std::vector<TColorTabel>& entries,
                    const PaletteHeader& palette)
{
    QByteArray bytes;
    switch (KindOf(path)) {
    case TblFileKind::Aco: bytes = WriteAco(entries); break;
    case TblFileKind::Gpl:
        bytes = WriteGpl(entries, palette.name.isEmpty() ? GplPaletteName(path) : palette.name, palette.columns);
        break;
    case TblFileKind::Ase: bytes = WriteAse(entries, GplPaletteName(path)); break;
    case TblFileKind::Cgd:
        // Colour guides are only read: a table written under that name
        // would be refused when opened.
        throw FileError(QCoreApplication::translate(
                            "qolvar::table", "%1 には保存できません（カラーガイド .cgd は読み込み専用の形式です）")
                            .arg(path)
                            .toStdString());
    case TblFileKind::Text:
        if (lines.size() > MaxTextLines)
            throw FileError(QCoreApplication::translate(
                                "qolvar::table", "%1 には保存できません（%2 行を超えるテーブルは読み込めません）")
                                .arg(path, QString::number(MaxTextLines))
                                .toStdString());
        bytes = EncodeTextTable(lines);
        break;
    }
    // Nothing is written that could not be opened again.
    if (bytes.size() > MaxFileBytes)
        throw FileError(QCoreApplication::translate("qolvar::table",
                                                    "%1 には保存できません（%2 MiB を超えるファイルは読み込めません）")
                            .arg(path, QString::number(MaxFileBytes >> 20))
                            .toStdString());
    WriteFileAtomic(path, bytes);
}

namespace {

// The format's name in the comment messages; empty for formats that keep
// comments.
QString NoCommentFormat(const QString& path)
{
    switch (KindOf(path)) {
    case TblFileKind::Aco: return QCoreApplication::translate("qolvar::table", "Photoshop スウォッチ");
    case TblFileKind::Gpl: return QCoreApplication::translate("qolvar::table", "GIMP パレット");
    case TblFileKind::Ase: return QCoreApplication::translate("qolvar::table", "スウォッチ交換ファイル");
    case TblFileKind::Cgd:
    case TblFileKind::Text: break;
    }
    return {};
}

}  // namespace

int CommentsLost(const QString& path, const std::vector<TColorTabel>& entries)
{
    if (NoCommentFormat(path).isEmpty()) return 0;
    return static_cast<int>(
        std::count_if(entries.begin(), entries.end(), [](const TColorTabel& e) { return !e.Comment.isEmpty(); }));
}

QString CommentsLostQuestion(const QString& path, int count)
{
    return QCoreApplication::translate(
               "qolvar::table",
               "%1にはコメントを保存できません。コメントのある %2 色はコメントなしで保存されます。保存しますか？")
        .arg(NoCommentFormat(path), QString::number(count));
}

QString CommentsLostWarning(const QString& path, int count)
{
    return QCoreApplication::translate(
               "qolvar::table", "%1にはコメントを保存できません（コメントのある %2 色はコメントなしで保存しました）")
        .arg(NoCommentFormat(path), QString::number(count));
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
