// The table editor's commands: files, the operations on lines, drag and
// drop, the wheel and help.
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QWheelEvent>
#include <algorithm>
#include <vector>

#include "platform/colorpanel.h"
#include "platform/dialogs.h"
#include "platform/spinedit.h"
#include "table/filenames.h"
#include "table/tablefile.h"
#include "table/textio.h"
#include "table/texts.h"
#include "tableeditor/tbledit.h"
#include "widgets/apphost.h"
#include "widgets/colourview.h"
#include "widgets/files.h"
#include "widgets/help.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

// ---------------------------------------------------------------- file commands

bool TformTblEdit::CheckTblSave()
{
    if (!doc_.TblModified()) return true;
    const int answer =
        platform::Confirmation(this, table::SaveChangesQuestion(table::FileNamePart(doc_.File().TblFileName)),
                               platform::kYes | platform::kNo | platform::kCancel);
    if (answer == platform::kCancel) return false;
    // A save that fails throws, and the calling operation ends with it. A
    // save whose file dialog is cancelled saves nothing: the operation ends
    // too, so the changes are not lost.
    if (answer == platform::kYes) {
        TblFileSave();
        return !doc_.TblModified();
    }
    return true;
}

void TformTblEdit::TblFileRead(const QString& fileName)
{
    // L*a*b* swatches are read under the main window's gamma and white.
    ShowResult(doc_.TblFileRead(fileName, host_.Conditions()));
}

void TformTblEdit::TblFileNew()
{
    if (!CheckTblSave()) return;
    {
        GuardScope showing(showingResult_);
        doc_.TblFileNew();
        model_->Reset();
    }
    {
        // The fields empty; the stored colour (Panel2) stays.
        GuardScope guard(InTblUpdate);
        SpinEditNo->setText(QStringLiteral("0"));
        Panel1->setColor(0);
        editRGBHEX->setText(QStringLiteral("0"));
        SetRGBSpins(0);
        editName->clear();
        memoComment->clear();
    }
    ShowTblState();
}

namespace {
// Where the file dialogs start: the current table's folder, else (empty)
// where ChooseOpenFile starts. Saving never starts among the shipped
// tables: they are read-only data.
QString DialogFolder(const table::TblFileNames& names, bool save = false)
{
    if (save && IsShippedFolder(names.TblFileDir)) return {};
    return names.TblFileDir;
}
}  // namespace

void TformTblEdit::TblFileOpen()
{
    if (!CheckTblSave()) return;
    platform::FileDialogOptions o;
    o.filter = table::TblOpenFilter();
    o.initialDir = DialogFolder(doc_.File());
    o.mustExist = true;
    const QString path = ChooseOpenFile(this, o);
    if (!path.isEmpty()) TblFileRead(path);
}

namespace {

// Swatch and palette files cannot hold comments: before the entries that
// have one lose it, the user is told how many and may cancel the save.
bool MayLoseComments(QWidget* parent, const QString& path, const std::vector<table::TColorTabel>& entries)
{
    const int lost = table::CommentsLost(path, entries);
    return lost == 0 || platform::Confirmation(parent, table::CommentsLostQuestion(path, lost),
                                               platform::kYes | platform::kNo) == platform::kYes;
}

}  // namespace

void TformTblEdit::TblFileSave()
{
    if (doc_.SaveNeedsName()) {
        TblFileSaveAs();
        return;
    }
    if (!MayLoseComments(this, doc_.File().TblFileName, doc_.TblEntries())) return;
    doc_.TblFileSave();
    ShowTblState();
}

void TformTblEdit::TblFileSaveAs()
{
    platform::FileDialogOptions o;
    o.filter = table::TblSaveFilter();
    // A swatch or a palette is offered in its own format under its own name.
    const table::SaveFormat format = table::ProposedSaveFormat(doc_.File());
    o.defaultExt = format.extension;
    o.filterIndex = format.filterIndex;
    o.initialDir = DialogFolder(doc_.File(), true);
    o.fileName = table::ProposedSaveName(doc_.File());
    if (o.initialDir.isEmpty()) o.fileName = QFileInfo(o.fileName).fileName();
    o.mustExist = false;
    const QString path = ChooseSaveFile(this, o);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) &&
        platform::Confirmation(this, table::OverwriteQuestion(table::FileNamePart(path)),
                               platform::kYes | platform::kNo | platform::kCancel) != platform::kYes)
        return;
    if (!MayLoseComments(this, path, doc_.TblEntries())) return;
    doc_.TblFileSaveAs(path);
    ShowTblState(false);
}

void TformTblEdit::TblFileExit() { close(); }

void TformTblEdit::QuitProgram() { host_.QuitProgram(); }

void TformTblEdit::LogToTab()
{
    // The conversion replaces the list: unsaved changes are asked about first.
    if (!CheckTblSave()) return;
    platform::FileDialogOptions o;
    o.filter = table::LogOpenFilter();
    o.mustExist = true;
    const QString path = ChooseOpenFile(this, o);
    if (!path.isEmpty()) ShowResult(doc_.LogToTab(path));
}

bool TformTblEdit::FormCloseQuery() { return CheckTblSave(); }

void TformTblEdit::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    Guard(this, [&] { mayClose = FormCloseQuery(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------- operations on lines

void TformTblEdit::EditUndo() { ShowResult(doc_.EditUndo(lboxColor->CurrentRow())); }

void TformTblEdit::EditCut() { ShowResult(doc_.EditCut(lboxColor->CurrentRow(), lboxColor->SelectedRows())); }

void TformTblEdit::EditCopy() { QGuiApplication::clipboard()->setText(doc_.EditCopy(lboxColor->SelectedRows())); }

void TformTblEdit::EditPaste()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasText()) return;
    ShowResult(doc_.EditPaste(clipboard->text(), lboxColor->CurrentRow()));
}

void TformTblEdit::EditDelete() { ShowResult(doc_.EditDelete(lboxColor->CurrentRow(), lboxColor->SelectedRows())); }

void TformTblEdit::EditInsert() { ShowResult(doc_.EditInsert(lboxColor->CurrentRow())); }

void TformTblEdit::EditReplace()
{
    ShowResult(doc_.EditReplace(lboxColor->CurrentRow(), SpinEditNo->Text(), editRGBHEX->text(), editName->text(),
                                memoComment->toPlainText()));
}

void TformTblEdit::EditAdd()
{
    ShowResult(doc_.EditAdd(editRGBHEX->text(), editName->text(), memoComment->toPlainText()));
}

void TformTblEdit::spbtUpClick() { ShowResult(doc_.MoveUp(lboxColor->CurrentRow())); }

void TformTblEdit::spbtDownClick() { ShowResult(doc_.MoveDown(lboxColor->CurrentRow())); }

table::SortMode TformTblEdit::CheckedSortMode() const
{
    const QAction* items[] = {RGBU, RGBD, HU, HD, SU, SD, VU, VD};
    for (int m = 0; m < table::SortModeCount; ++m)
        if (items[m]->isChecked()) return static_cast<table::SortMode>(m);
    return table::SortMode::RGBU;
}

void TformTblEdit::TblEditSort1Click() { ShowResult(doc_.SortTable(CheckedSortMode(), lboxColor->CurrentRow())); }

// ---------------------------------------------------------------- drag and drop, wheel

TformTblEdit::DragCursor TformTblEdit::lboxColorStartDrag() const
{
    return lboxColor->SelectedRows().size() < 2 ? DragCursor::Single : DragCursor::Multiple;
}

bool TformTblEdit::lboxColorDragOver(const QObject* source, int y)
{
    if (source != lboxColor) return false;
    // Near the bottom edge the list scrolls down a row, near the top edge
    // up a row, so that rows can be dropped anywhere in a long table.
    const int top = lboxColor->TopRow();
    if (y > lboxColor->viewport()->height() - TblListBox::RowHeight)
        lboxColor->SetTopRow(top + 1);
    else if (y < TblListBox::RowHeight && top > 0)
        lboxColor->SetTopRow(top - 1);
    return true;
}

void TformTblEdit::lboxColorDragDrop(int y)
{
    ShowResult(doc_.DragDrop(lboxColor->CurrentRow(), lboxColor->SelectedRows(), y, TblListBox::RowHeight,
                             lboxColor->TopRow()));
}

void TformTblEdit::FormMouseWheelDown()
{
    const int top = lboxColor->TopRow();
    if (top < doc_.Count() - 1) lboxColor->SetTopRow(top + 1);
}

void TformTblEdit::FormMouseWheelUp()
{
    const int top = lboxColor->TopRow();
    if (top > 0) lboxColor->SetTopRow(top - 1);
}

void TformTblEdit::FormMouseWheel(QWheelEvent* event)
{
    wheelRest_ += event->angleDelta().y();
    for (; wheelRest_ <= -120; wheelRest_ += 120) FormMouseWheelDown();
    for (; wheelRest_ >= 120; wheelRest_ -= 120) FormMouseWheelUp();
}

void TformTblEdit::wheelEvent(QWheelEvent* event)
{
    Guard(this, [&] { FormMouseWheel(event); });
    event->ignore();
}

// ---------------------------------------------------------------- help

void TformTblEdit::CheckLookAlike()
{
    const auto& entries = doc_.TblEntries();
    std::vector<RGBCode> codes;
    codes.reserve(entries.size());
    for (const auto& entry : entries) codes.push_back(ColorToCode(entry.Color));
    struct Found {
        LookAlikePair pair;
        Deficiency deficiency;
    };
    std::vector<Found> found;
    const ColourView view = host_.SwatchView();
    const std::vector<Deficiency> checked =
        view ? std::vector{*view} : std::vector{Deficiency::Protan, Deficiency::Deutan, Deficiency::Tritan};
    for (const Deficiency d : checked)
        for (const LookAlikePair& p : LookAlikePairs(codes, d, kViewSeverity, kLookAlikeLimit)) found.push_back({p, d});
    // A pair that several deficiencies show alike keeps its lines together.
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.pair.first != b.pair.first ? a.pair.first < b.pair.first : a.pair.second < b.pair.second;
    });
    if (found.empty()) {
        platform::Information(this, tr("見分けにくい色の組はありません（ΔE00 %1 未満）。").arg(kLookAlikeLimit));
        return;
    }
    QStringList lines{tr("見分けにくい色の組（ΔE00 %1 未満）: %2 組").arg(kLookAlikeLimit).arg(found.size())};
    const std::size_t listed = std::min<std::size_t>(found.size(), kMaxLookAlikeLines);
    for (std::size_t k = 0; k < listed; ++k) {
        const Found& f = found[k];
        // One pass of arg: names that hold "%1" stay as they are.
        lines << tr("No. %1 %2 – No. %3 %4: ΔE00 %5（%6）")
                     .arg(QString::number(f.pair.first + 1), entries[f.pair.first].Name,
                          QString::number(f.pair.second + 1), entries[f.pair.second].Name,
                          QString::number(f.pair.deltaE, 'f', 1), DeficiencyName(f.deficiency));
    }
    if (found.size() > listed) lines << tr("…ほか %1 組").arg(found.size() - listed);
    platform::Information(this, lines.join(QLatin1Char('\n')));
}

void TformTblEdit::Tutorial1Click() { BrowseHelp(this, ProgramFolder(), QStringLiteral("TableEdit.chm")); }

}  // namespace qolvar::app
