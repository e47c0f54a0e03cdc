// The table that the editor window holds: its lines, the entries derived
// from them, the one-level undo snapshot, the modified flag and the current
// file, with every operation that changes them.
//
// The window keeps only what is its own (the list's current row, the
// selection, the clipboard, the dialogs and questions) and passes it in;
// each operation reports what the list shows afterwards in an EditResult.
// An operation that cannot run (its run condition is not met) changes
// nothing and returns changed == false.
//
// Operations that change the lines end by deriving every entry anew
// (ParseTblLines); those marked "finish" also set the title count to the
// line count and the modified flag. Snapshot: UndoList receives all lines
// before the change.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "colour/conditions.h"
#include "entry.h"
#include "filenames.h"
#include "sort.h"
#include "tabledata.h"

namespace qolvar::table {

struct EditResult {
    bool changed = false;              // the lines changed: show them anew
    int currentRow = -1;               // the list's current row afterwards (-1: none)
    int selectFirst = -1;              // rows to select afterwards, first..last;
    int selectLast = -1;               // -1: the current row alone
    int topRow = -1;                   // the list's top row afterwards (-1: as it is)
    std::optional<QString> clipboard;  // cut: the new clipboard text
    QString warning;                   // a message for a warning box ("警告")
};

// Where dropped rows go: Y / rowHeight rounded (halves to even) + topRow - 1,
// at least 1 and at most the number of lines left after the dragged ones
// were taken out (0 when none are left).
int DropIndex(int y, int rowHeight, int topRow, int remaining);

class TblDocument {
public:
    TblDocument();

    // The table.
    const QStringList& Lines() const { return lines_; }
    const std::vector<TColorTabel>& TblEntries() const { return entries_; }
    int Count() const { return static_cast<int>(lines_.size()); }
    // The entry the editor shows for a current row: row 0 when row is
    // negative, a black unnamed entry when there is no such row.
    TColorTabel EntryAt(int row) const;

    const QStringList& UndoList() const { return undo_; }

    bool TblModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The current file and the texts that follow from it.
    const TblFileNames& File() const { return file_; }
    // Takes over a file name; unless its extension is ".cgd" the caption
    // becomes "NAME - Color Table Editor".
    void SetTblFileName(const QString& fileName);
    QString Caption() const { return caption_; }
    // The title label: "■ Ｃｏｌｏｒ Ｔａｂｌｅ" until a count is shown, then
    // "  ■ BASE N色" with the count of the last operation that showed one.
    QString Title() const;
    long long TitleCount() const { return titleCount_; }
    // The plain save must ask for a name instead (untitled, .aco, .gpl or
    // .cgd): it writes text tables only.
    bool SaveNeedsName() const;

    // File commands. The questions (save changes? overwrite?) are the
    // window's and come before these calls.
    // New: empties the table; the file name, caption, title and snapshot stay.
    EditResult TblFileNew();
    // Reads the file (by extension; L*a*b* swatches under the conditions'
    // gamma and white) and takes over its name; the modified flag is
    // cleared; no snapshot. On failure (FileError) nothing changes, the file
    // name included. A file read only in part gives a warning.
    EditResult TblFileRead(const QString& path, const ConversionConditions& conditions);
    // Writes the text table to the current file (SaveNeedsName() must be
    // false) and clears the modified flag. Throws FileError; then the flag
    // and the file stay as they were.
    void TblFileSave();
    // Writes a Photoshop swatch when the name ends in ".aco", a GIMP palette
    // for ".gpl", else the text table; then takes over the name and clears
    // the flag. On failure (FileError, RangeError) nothing changes.
    void TblFileSaveAs(const QString& path);
    // Replaces the lines by those of a colour log (CN0000, CN0001, ...).
    // The title count becomes the log's line count; an empty log changes
    // nothing else. No snapshot; the modified flag stays as it is.
    EditResult LogToTab(const QString& logPath);
    // A new untitled table of these lines (a generated palette), marked
    // modified so that it is not lost unasked.
    EditResult NewTable(const QStringList& lines);

    // Editing. currentRow is the list's current row (-1: none), selected
    // the selected rows in any order.
    // Undo: the lines become the snapshot (again on a second undo); the
    // modified flag stays.
    EditResult EditUndo(int currentRow);
    // The selected lines, each followed by CR LF ("" when none is selected).
    QString EditCopy(const QList<int>& selected) const;
    // Snapshot, clipboard text of the selected lines, delete them; finish.
    // Needs a current row and a selection.
    EditResult EditCut(int currentRow, const QList<int>& selected);
    // Inserts the clipboard lines that begin with "#", in their order,
    // before the current row (at the end when there is none); the other
    // lines are skipped. Nothing to insert changes nothing.
    EditResult EditPaste(const QString& clipboardText, int currentRow);
    EditResult EditDelete(int currentRow, const QList<int>& selected);
    // Inserts "#FFFFFF 0" at the current row (row 0 of an empty table).
    EditResult EditInsert(int currentRow);
    // Line No. - 1 becomes "#" + hex + " " + name + " " + comment. A No.
    // that is not an integer throws ConvertError; one outside 1..Count()
    // gives a warning and changes nothing. Needs a non-empty table.
    // The replaced row becomes current.
    EditResult EditReplace(int currentRow, const QString& noText, const QString& hexField, const QString& name,
                           const QString& comment);
    // Appends the add line (see AddLine); the last row becomes current.
    EditResult EditAdd(const QString& hexField, const QString& name, const QString& comment);
    // Exchange the current line with its neighbour; no snapshot, no title.
    EditResult MoveUp(int currentRow);
    EditResult MoveDown(int currentRow);
    // Moves the selected lines to DropIndex(y, rowHeight, topRow, ...); the
    // top row stays. Needs a current row and a selection.
    EditResult DragDrop(int currentRow, const QList<int>& selected, int y, int rowHeight, int topRow);
    // Snapshot, SortTbl over all entries, lines rewritten in the program's
    // own form from the sorted entries (not derived again); modified.
    // An empty table changes nothing.
    EditResult SortTable(SortMode mode, int currentRow);

private:
    void Snapshot() { undo_ = lines_; }
    void Derive() { entries_ = ParseTblLines(lines_); }
    // Title count, derivation, modified flag.
    void Finish();
    // The title counts `count` entries of the table under its present name.
    void ShowCount(long long count);
    // The valid rows of a selection, ascending, without repeats.
    QList<int> Rows(const QList<int>& selected) const;
    void RemoveRows(const QList<int>& rows);

    QStringList lines_;
    std::vector<TColorTabel> entries_;
    QStringList undo_;
    bool modified_ = false;
    TblFileNames file_;
    // The name and columns of the palette last read, written back into a
    // palette saved from this table.
    PaletteHeader palette_;
    QString caption_;
    // The title shows the table's name and count as of the last operation
    // that counted the entries: a Save As alone does not change it.
    long long titleCount_ = -1;
    QString titleName_;
};

}  // namespace qolvar::table
