#include "document.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "colour/errors.h"
#include "lines.h"
#include "tablefile.h"
#include "textio.h"
#include "texts.h"

namespace qolvar::table {

namespace {

EditResult Changed(int currentRow)
{
    EditResult r;
    r.changed = true;
    r.currentRow = currentRow;
    return r;
}

EditResult Unchanged(int currentRow)
{
    EditResult r;
    r.currentRow = currentRow;
    return r;
}

// The No. field as an integer: optional blanks and sign, decimal digits.
long long ReadNo(const QString& text)
{
    bool ok = false;
    const long long n = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        throw ConvertError(
            QCoreApplication::translate("qolvar::table", "'%1' は整数ではありません").arg(text).toStdString());
    return n;
}

}  // namespace

int DropIndex(int y, int rowHeight, int topRow, int remaining)
{
    const double rows = rowHeight > 0 ? static_cast<double>(y) / rowHeight : 0.0;
    long long p = static_cast<long long>(std::nearbyint(rows)) + topRow - 1;
    p = std::max(p, 1LL);
    p = std::min<long long>(p, remaining);
    return static_cast<int>(std::max(p, 0LL));
}

TblDocument::TblDocument() { SetTblFileName(Untitled); }

TColorTabel TblDocument::EntryAt(int row) const
{
    if (row < 0) row = 0;
    if (static_cast<std::size_t>(row) >= entries_.size()) return MakeEntry(0);
    return entries_[static_cast<std::size_t>(row)];
}

void TblDocument::SetTblFileName(const QString& fileName)
{
    file_ = MakeTblFileNames(fileName);
    // A palette with a name of its own is shown by that name, as a colour
    // guide by its title.
    if (KindOf(fileName) == TblFileKind::Gpl && !palette_.name.isEmpty())
        caption_ = CgdCaptionText(palette_.name);
    else if (file_.TblFileExt != QLatin1String(".cgd"))
        caption_ = TblCaptionText(FileNamePart(fileName));
}

QString TblDocument::Title() const
{
    return titleCount_ < 0 ? TblInitialTitle() : TblTitleText(titleName_, titleCount_);
}

void TblDocument::ShowCount(long long count)
{
    titleCount_ = count;
    titleName_ = file_.TblBaseName;
}

bool TblDocument::SaveNeedsName() const
{
    return file_.TblFileName == Untitled || KindOf(file_.TblFileName) != TblFileKind::Text;
}

void TblDocument::Finish()
{
    ShowCount(Count());
    Derive();
    modified_ = true;
}

QList<int> TblDocument::Rows(const QList<int>& selected) const
{
    QList<int> rows;
    for (int r : selected)
        if (r >= 0 && r < Count()) rows.append(r);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void TblDocument::RemoveRows(const QList<int>& rows)
{
    // Rows are ascending; delete from the last to the first.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) lines_.removeAt(*it);
}

EditResult TblDocument::TblFileNew()
{
    lines_.clear();
    entries_.clear();
    palette_ = {};
    modified_ = false;
    return Changed(-1);
}

EditResult TblDocument::TblFileRead(const QString& path, const ConversionConditions& conditions)
{
    RequireRegularFile(path);
    TableData data = ReadTableFile(path, conditions);
    // A palette's name and columns go back into it when it is saved.
    palette_ = {KindOf(path) == TblFileKind::Gpl ? data.title : QString(), data.columns};
    SetTblFileName(path);
    if (KindOf(path) == TblFileKind::Cgd) caption_ = CgdCaptionText(data.title);
    lines_ = std::move(data.lines);
    entries_ = std::move(data.entries);
    ShowCount(Count());
    modified_ = false;
    // A new list has no current row and nothing selected: a delete right
    // after opening must not take the first entry.
    EditResult r = Changed(-1);
    r.topRow = 0;
    r.warning = data.warning;
    return r;
}

void TblDocument::TblFileSave()
{
    WriteTableFile(file_.TblFileName, lines_, entries_, palette_);
    modified_ = false;
}

void TblDocument::TblFileSaveAs(const QString& path)
{
    WriteTableFile(path, lines_, entries_, palette_);
    SetTblFileName(path);
    modified_ = false;
}

EditResult TblDocument::LogToTab(const QString& logPath)
{
    RequireRegularFile(logPath);
    const QStringList log = ReadLogLines(logPath);
    ShowCount(log.size());
    if (log.isEmpty()) return Unchanged(-1);
    lines_ = LogToTabLines(log);
    Derive();
    // The converted table differs from the file: it is marked modified so
    // that closing or opening another table asks before it is lost.
    modified_ = true;
    // As after opening a table, no row is current: a delete right after
    // the conversion removes nothing.
    EditResult r = Changed(-1);
    r.topRow = 0;
    return r;
}

EditResult TblDocument::NewTable(const QStringList& lines)
{
    palette_ = {};
    SetTblFileName(Untitled);
    lines_ = lines;
    ShowCount(Count());
    Derive();
    modified_ = true;
    EditResult r = Changed(-1);
    r.topRow = 0;
    return r;
}

EditResult TblDocument::EditUndo(int currentRow)
{
    lines_ = undo_;
    ShowCount(Count());
    Derive();
    return Changed(std::min(currentRow, Count() - 1));
}

QString TblDocument::EditCopy(const QList<int>& selected) const
{
    QString text;
    for (int r : Rows(selected)) text += lines_[r] + QStringLiteral("\r\n");
    return text;
}

EditResult TblDocument::EditCut(int currentRow, const QList<int>& selected)
{
    const QList<int> rows = Rows(selected);
    if (currentRow < 0 || rows.isEmpty()) return Unchanged(currentRow);
    Snapshot();
    const QString text = EditCopy(rows);
    RemoveRows(rows);
    Finish();
    EditResult r = Changed(std::min(rows.first(), Count() - 1));
    r.clipboard = text;
    return r;
}

EditResult TblDocument::EditPaste(const QString& clipboardText, int currentRow)
{
    QStringList pasted;
    for (const QString& line : SplitTextLines(clipboardText))
        if (line.startsWith(u'#')) pasted.append(line);
    if (pasted.isEmpty()) return Unchanged(currentRow);
    Snapshot();
    const int at = currentRow >= 0 && currentRow < Count() ? currentRow : Count();
    for (qsizetype k = pasted.size(); k-- > 0;) lines_.insert(at, pasted[k]);
    Finish();
    EditResult r = Changed(at);
    r.selectFirst = at;
    r.selectLast = at + static_cast<int>(pasted.size()) - 1;
    return r;
}

EditResult TblDocument::EditDelete(int currentRow, const QList<int>& selected)
{
    const QList<int> rows = Rows(selected);
    if (currentRow < 0 || rows.isEmpty()) return Unchanged(currentRow);
    Snapshot();
    RemoveRows(rows);
    Finish();
    return Changed(std::min(rows.first(), Count() - 1));
}

EditResult TblDocument::EditInsert(int currentRow)
{
    if (currentRow < 0 && Count() > 0) return Unchanged(currentRow);
    const int at = std::clamp(currentRow, 0, Count());
    Snapshot();
    lines_.insert(at, InsertedLine);
    Finish();
    return Changed(at);
}

EditResult TblDocument::EditReplace(int currentRow, const QString& noText, const QString& hexField, const QString& name,
                                    const QString& comment)
{
    if (lines_.isEmpty()) return Unchanged(currentRow);
    const long long no = ReadNo(noText);
    if (no < 1 || no > Count()) {
        EditResult r = Unchanged(currentRow);
        r.warning = QCoreApplication::translate("qolvar::table", "No. %1 は範囲外です。1～%2 の番号を指定してください")
                        .arg(QString::number(no), QString::number(Count()));
        return r;
    }
    Snapshot();
    lines_[no - 1] = ReplaceLine(hexField, name, comment);
    Finish();
    // The current row stays where it was; the fields show its entry.
    return Changed(currentRow);
}

EditResult TblDocument::EditAdd(const QString& hexField, const QString& name, const QString& comment)
{
    Snapshot();
    lines_.append(AddLine(hexField, name, comment, Count()));
    Finish();
    return Changed(Count() - 1);
}

EditResult TblDocument::MoveUp(int currentRow)
{
    if (currentRow < 1 || currentRow >= Count()) return Unchanged(currentRow);
    lines_.swapItemsAt(currentRow, currentRow - 1);
    Derive();
    modified_ = true;
    return Changed(currentRow - 1);
}

EditResult TblDocument::MoveDown(int currentRow)
{
    if (currentRow < 0 || currentRow >= Count() - 1) return Unchanged(currentRow);
    lines_.swapItemsAt(currentRow, currentRow + 1);
    Derive();
    modified_ = true;
    return Changed(currentRow + 1);
}

EditResult TblDocument::DragDrop(int currentRow, const QList<int>& selected, int y, int rowHeight, int topRow)
{
    const QList<int> rows = Rows(selected);
    if (currentRow < 0 || rows.isEmpty()) return Unchanged(currentRow);
    Snapshot();
    QStringList work;
    for (int r : rows) work.append(lines_[r]);
    RemoveRows(rows);
    const int p = DropIndex(y, rowHeight, topRow, Count());
    for (qsizetype k = 0; k < work.size(); ++k) lines_.insert(p + k, work[k]);
    Finish();
    EditResult r = Changed(p);
    r.selectFirst = p;
    r.selectLast = p + static_cast<int>(work.size()) - 1;
    r.topRow = topRow;
    return r;
}

EditResult TblDocument::SortTable(SortMode mode, int currentRow)
{
    if (lines_.isEmpty()) return Unchanged(currentRow);
    Snapshot();
    SortTbl(entries_, mode, 0, Count() - 1);
    lines_ = EntryLines(entries_);
    modified_ = true;
    return Changed(currentRow);
}

}  // namespace qolvar::table
