// The main window: the current colour CurRGB, its RGB section, the five
// model pages, the colour log commands, the settings kept between runs.
//
// Every handler reacts to the user through the update guard InUpdate:
// a handler returns at once when it is set, sets it while it rewrites
// controls, and clears it when done (also when it fails). Writing a control
// raises its change signal synchronously and only when the value changes;
// all re-entrancy comes from that.
//
// The pages and the table editor see the window only as an AppHost. Its
// controls are private; tests and tools find them by their object names.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "apphost.h"
#include "colour/codes.h"
#include "conditions.h"
#include "winhelpers.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace qolvar::platform {
class ColorPanel;
class SpinEdit;
}  // namespace qolvar::platform

namespace qolvar::app {

class TformLogViewer;
class ColorTableCombo;
class ColourFacts;
class ModelPage;
class EyedropperButton;
class PickCommands;

// The settings key below the user's root.
inline const QString kRegistryRoot = QStringLiteral("\\software\\Mardenvi_Qolvar");

class TformMain : public QMainWindow, public AppHost {
    Q_OBJECT
public:
    // Creates the window and runs FormCreate, which takes the renotation
    // table being read ahead when it is the one it loads.
    explicit TformMain(QWidget* parent = nullptr, PendingMunsellTable munsellTable = {});
    ~TformMain() override;

    // AppHost.
    RGBCode CurRGB() const override { return curRGB_; }
    bool& InUpdate() override { return inUpdate_; }
    const ConversionConditions& Conditions() const override { return conditions_.Values(); }
    WindowConditions& EditConditions() override { return conditions_; }
    void DspDsetRGB(RGBCode rgb) override;
    void TakeTypedColour(RGBCode rgb) override;
    void LogWrite(const QString& text) override;
    void OverErr() override;
    void ShowProblem(const QList<QWidget*>& group, const QList<QWidget*>& marked, const QString& why) override;
    void ClearProblem(const QList<QWidget*>& group) override;
    void BitBtn1Click() override;
    QString ExeDir() const override { return exeDir_; }
    void AppExceptionHandler(QObject* sender, const std::exception& e) override;

    // The other windows the commands show.
    void SetWindows(TformLogViewer* logViewer, QWidget* tableEditor);

    // Makes a colour current and shows it in the RGB section under the
    // update guard, as the colour dialog does (no page is refreshed).
    void SetCurRGB(RGBCode rgb);
    // Shows CurRGB in the RGB section and the current-colour swatch.
    void DspRGB();

    const QString& TableFileName() const { return tableFileName_; }
    const QString& LogFileName() const { return logFileName_; }
    // The colour of each row of the colour table drop-down, in the rows'
    // displayed order.
    const std::vector<TColor>& TableColors() const { return tableColors_; }

    // Handlers.
    void TrackBarRGB1Change();
    void SpinEditRGB1Change();
    void editRGBHEXChange();
    void Panel1Click();
    void Panel4Click();
    // Asks whether to save a log with lines that were never saved. False:
    // the calling command is abandoned (Cancel, or a save that did not
    // happen).
    bool CheckLogSave();
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void LogView1Click();
    void Exit1Click();
    void Front1Click();
    void Contents1Click();
    void About1Click();
    void TabLoad1Click();
    void TblEdit1Click();
    void TblSort1Click();
    // Copies the current colour in the chosen format (EditCopyCmd).
    void EditCopyClick();
    // Asks for the copy template and chooses it (CopyTemplateEdit1).
    void CopyTemplateEditClick();
    // The chosen copy format: hex, css-rgb, css-hsl or template.
    QString CopyFormat() const;
    void cboxColorClick(int index);
    void cboxColorSelect(int index);
    void DisplayResult(int code, const QString& fileName);

    // Start-up and shutdown.
    void FormCreate();
    void FormDestroy();
    void RestoreOptionStatus();
    void StoreOptionStatus();

    // Replaces the drop-down's rows by the lines of a table file, sets the
    // caption and the row colours (throws when it cannot be read).
    void LoadColorTable(const QString& path);
    // Makes a table file the drop-down's table (TableFileName) and loads it.
    void OpenColorTable(const QString& path);

    // The index of the active model page, -1 when none is active.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a handler, handing the library's errors to AppExceptionHandler.
    template <class F>
    void Guarded(QObject* sender, F&& f);

    void CreateActions();
    void CreateMenus();
    void CreateTableList(QMenu* file);
    void CreateToolBar(QWidget* central);
    void CreateRGBSection(QWidget* central);
    void ConnectRGBSection();
    void CreatePages(QWidget* central);
    void CreateColorTable(QWidget* central);
    // Puts the controls into the window's layouts.
    void LayOut(QWidget* central);
    // Keeps the result swatch and its code on the shown page's corner.
    void PlaceResultSwatch();
    void SetColorRows(const QStringList& rows);
    // Shows the drop-down's entry of a colour, or none.
    void ShowTableEntryOf(RGBCode rgb);
    void CreateEditMenu();
    void SetCopyFormat(const QString& format);
    void RestoreCopyFormat(const QString& format, const QString& templ);
    // Shows the nearest table entry and the contrast with the refreshed
    // colour in the status bar.
    void UpdateColourFacts();
    // Refreshes the active page (the caller holds the update guard).
    void RefreshActivePage();
    // With live conversion on, refreshes the active page without a log line.
    void LiveRefresh();

    RGBCode curRGB_ = 0;
    bool inUpdate_ = false;
    WindowConditions conditions_;
    // The fields now marked as holding a value that cannot be used.
    QList<QPointer<QWidget>> markedFields_;
    QString exeDir_;
    QString tableFileName_;
    QString logFileName_;
    std::vector<TColor> tableColors_;
    QPointer<TformLogViewer> formLogViewer_;
    QPointer<QWidget> formTblEdit_;

    // Controls (objectName = member name).
    QSlider *TrackBarRGB1 = nullptr, *TrackBarRGB2 = nullptr, *TrackBarRGB3 = nullptr;
    platform::SpinEdit *SpinEditRGB1 = nullptr, *SpinEditRGB2 = nullptr, *SpinEditRGB3 = nullptr;
    QLabel *LabelR = nullptr, *LabelG = nullptr, *LabelB = nullptr, *LabelRGB = nullptr, *Label5 = nullptr,
           *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit* editRGBHEX = nullptr;
    platform::ColorPanel *Panel1 = nullptr, *Panel2 = nullptr, *Panel4 = nullptr;
    QWidget* Panel3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton *ToolButton6 = nullptr, *ToolButton7 = nullptr;
    QAction *FileNewCmd = nullptr, *FileOpenCmd = nullptr, *FileSaveCmd = nullptr, *FileSaveAsCmd = nullptr,
            *FileExitCmd = nullptr, *TableLoadCmd = nullptr, *LogViewCmd = nullptr, *TableEditCmd = nullptr;
    QAction* LiveConv1 = nullptr;
    bool liveRefresh_ = false;  // a live refresh writes no log line
    QAction *Front1 = nullptr, *TblSort1 = nullptr, *Contents1 = nullptr, *About1 = nullptr;
    QAction *EditCopyCmd = nullptr, *CopyHex1 = nullptr, *CopyRGB1 = nullptr, *CopyHSL1 = nullptr,
            *CopyTemplate1 = nullptr, *CopyTemplateEdit1 = nullptr;
    // The user's copy template ({R} {G} {B}, {lab.L} …).
    QString copyTemplate_ = QStringLiteral("{R}, {G}, {B}");
    ColourFacts* colourFacts_ = nullptr;
    QLabel* labelColFn = nullptr;
    ColorTableCombo* cboxColor = nullptr;
    EyedropperButton* eyedropper_ = nullptr;
    // The pick mode, the image path and the averaging square.
    PickCommands* pickCommands_ = nullptr;
    // The pages in tab order: CIE, HUE, CMYK, VIDEO, Munsell.
    std::vector<ModelPage*> pages_;

    // The log dialogs' remembered state.
    QString saveDialogName_ = QStringLiteral("Qolvar_Data00.log");
    bool noActivePage_ = false;
    bool destroyed_ = false;
};

template <class F>
void TformMain::Guarded(QObject* sender, F&& f)
{
    CatchColourErrors(f, [&](const ColourError& e) { AppExceptionHandler(sender, e); });
}

}  // namespace qolvar::app
