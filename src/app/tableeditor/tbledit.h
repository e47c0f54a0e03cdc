// Folder tableeditor/: the colour table editor window, its list and its
// pictures. It includes widgets/, picking/ and the libraries; it knows the
// main window only as a TableEditorHost.
//
// The colour table editor window: one table (a table::TblDocument) shown as
// a list of owner-drawn rows, the current entry's colour, name and comment
// beside it, the file commands, the editing operations, log-to-table,
// sorting and the colour pick.
//
// The document holds the lines, the entries, the undo snapshot, the
// modified flag and the current file; the window holds the list's current
// row, its selection and top row, the edit fields, and asks the questions.
// Every operation passes the window's part to the document and shows what
// it reports (ShowResult).
//
// InTblUpdate is set while a handler writes into the colour fields, so that
// their change handlers do nothing meanwhile.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "colour/codes.h"
#include "colour/errors.h"
#include "table/document.h"
#include "table/sort.h"
#include "tableeditor/tbllist.h"
#include "widgets/winhelpers.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace qolvar::platform {
class ColorPanel;
class SpinEdit;
}  // namespace qolvar::platform

namespace qolvar::app {

class EyedropperButton;
class PickSession;
class TableEditorHost;

class TformTblEdit : public QMainWindow {
    Q_OBJECT
public:
    // host: the main window, which shows the editor's errors and ends the
    // program.
    explicit TformTblEdit(TableEditorHost& host, QWidget* parent = nullptr);
    ~TformTblEdit() override;

    table::TblDocument& Document() { return doc_; }
    bool InTblUpdate = false;

    // The drag cursors of lboxColorStartDrag.
    enum class DragCursor { Single, Multiple };

    // File commands.
    void TblFileRead(const QString& fileName);
    // Asks whether to save a modified table. False: the calling operation
    // is abandoned (Cancel).
    bool CheckTblSave();
    void TblFileNew();
    void TblFileOpen();
    void TblFileSave();
    void TblFileSaveAs();
    void TblFileExit();
    // Ctrl+Q: ends the program, as closing the main window does (which asks
    // about this table's unsaved changes first).
    void QuitProgram();
    void LogToTab();
    // Whether the window may close (runs CheckTblSave).
    bool FormCloseQuery();

    // The current entry and the colour fields.
    void ShowCurEntry();
    void SetRGBSpins(RGBCode code);
    void lboxColorClick();
    void editRGBHEXChange();
    void SpinEditRGB1Change();
    void Panel1Click();
    void Panel2Click();
    // The eyedropper released at a global position: its colour.
    void ToolButton2MouseUp(QPointF globalPos);
    // Starts picking with the magnifier at a global position (a plain
    // click on the eyedropper, or Space on it).
    void StartPickMode(QPoint at);

    // Operations on the lines.
    void EditUndo();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void EditDelete();
    void EditInsert();
    void EditReplace();
    void EditAdd();
    void spbtUpClick();
    void spbtDownClick();
    void TblEditSort1Click();
    // The checked sort order.
    table::SortMode CheckedSortMode() const;

    // Drag and drop (y in the list's coordinates) and the wheel.
    DragCursor lboxColorStartDrag() const;
    // Whether a drop of source is accepted; scrolls near the edges.
    bool lboxColorDragOver(const QObject* source, int y);
    void lboxColorDragDrop(int y);
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    // One wheel event: a step down or up for every 120 units of rotation.
    void FormMouseWheel(QWheelEvent* event);

    void Tutorial1Click();

    // Lists the pairs of entries that the main window's colour-vision
    // simulation shows alike (ΔE00 below kLookAlikeLimit), or under normal
    // vision those that any of the three deficiencies shows alike.
    void CheckLookAlike();
    static constexpr double kLookAlikeLimit = 5;
    static constexpr int kMaxLookAlikeLines = 50;

    // Generate: a new table of colours made from the current colour (the
    // one in the fields) or, for a gradient, from the first and the last
    // selected rows; ramps and gradients ask how many colours.
    enum class Generated { Complementary, Analogous, Triadic, Split, Tetradic, Shades, Tints, Tones, Gradient };
    void GenerateTable(Generated kind);
    // Generate → From an Image: the image's most representative colours
    // (k-means in OKLab), asked how many, each named by its share.
    void GenerateFromImage();

    // Runs f, handing any exception to the application's error handler.
    template <class F>
    void Guard(QObject* sender, F&& f);

    // Controls (objectName = member name).
    TblListBox* lboxColor = nullptr;
    QLabel* Label1 = nullptr;
    platform::SpinEdit *SpinEditNo = nullptr, *SpinEditRGB1 = nullptr, *SpinEditRGB2 = nullptr, *SpinEditRGB3 = nullptr;
    QLineEdit* editRGBHEX = nullptr;
    platform::ColorPanel *Panel1 = nullptr, *Panel2 = nullptr;
    QLineEdit* editName = nullptr;
    QPlainTextEdit* memoComment = nullptr;
    QToolButton *spbtReplase = nullptr, *spbtAdd = nullptr, *spbtUp = nullptr, *spbtDown = nullptr;
    QToolBar* StandardToolBar = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;  // the status bar's one panel
    QAction *FileNewCmd = nullptr, *FileOpenCmd = nullptr, *FileSaveCmd = nullptr, *FileSaveAsCmd = nullptr,
            *FileExitCmd = nullptr;
    QAction *EditUndoCmd = nullptr, *EditCutCmd = nullptr, *EditCopyCmd = nullptr, *EditPasteCmd = nullptr,
            *EditDeleteCmd = nullptr, *EditReplaceCmd = nullptr, *EditAddCmd = nullptr, *EditInsertCmd = nullptr;
    QAction *LogToTab1 = nullptr, *Replace1 = nullptr, *Tutorial1 = nullptr, *QuitCmd = nullptr;
    QMenu* TblEditSort1 = nullptr;
    QMenu* Generate1 = nullptr;  // its entries are GenComplementary1 … GenGradient1, GenFromImage1
    QAction *RGBU = nullptr, *RGBD = nullptr, *HU = nullptr, *HD = nullptr, *SU = nullptr, *SD = nullptr, *VU = nullptr,
            *VD = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TableEditorHost& host_;
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateControls(QWidget* central);
    void CreateEntryFields(QWidget* central);
    void CreateButtons(QWidget* central);
    void ConnectControls();
    void HandleError(QObject* sender, const std::exception& e);
    // Shows the document after an operation: the lines, the current row and
    // selection, the top row, the title, caption and status, the current
    // entry; then the operation's clipboard text and warning.
    void ShowResult(const table::EditResult& result);
    // Title, caption, status bar and the No. field's maximum; without the
    // title (Save As shows the new name in the caption only, the title
    // keeps the old one until the next count is shown).
    void ShowTblState(bool withTitle = true);
    // Panel1, the hex field and the spin edits take a colour.
    void ShowEditedColor(TColor color);

    table::TblDocument doc_;
    TblLinesModel* model_ = nullptr;
    QActionGroup* sortGroup_ = nullptr;
    bool showingResult_ = false;  // the list is being rewritten: no click
    EyedropperButton* eyedropper_ = nullptr;
    QPointer<PickSession> pickSession_;
    int wheelRest_ = 0;  // rotation not yet turned into steps
};

template <class F>
void TformTblEdit::Guard(QObject* sender, F&& f)
{
    CatchColourErrors(f, [&](const ColourError& e) { HandleError(sender, e); });
}

}  // namespace qolvar::app
