// Folder mainwindow/: the main window and its parts, the log viewer and the
// about box. It may include every other folder of the windows but the
// table editor; only the program's entry (main.cpp, windows.h) includes it.
//
// The main window: the current colour CurRGB with its RGB section, the
// five model pages and their result swatch, live conversion and the
// status bar; its parts of their own are the colour log (ColourLog),
// copy-as (CopyAs), the colour table drop-down (ColourTableDropDown) and
// the pick commands (PickCommands). The settings kept between runs are
// read at start and written at exit.
//
// Every handler reacts to the user through the update guard InUpdate:
// a handler returns at once when it is set, sets it while it rewrites
// controls, and clears it when done (also when it fails). Writing a control
// raises its change signal synchronously and only when the value changes;
// all re-entrancy comes from that. A new current colour reaches the parts
// that show it through CurrentColour::changed, under the guard.
//
// The pages see the window only as an AppHost, the table editor as a
// TableEditorHost. Its controls are private; tests and tools find them by
// their object names.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "colour/codes.h"
#include "mainwindow/currentcolour.h"
#include "platform/settings.h"
#include "widgets/apphost.h"
#include "widgets/colourview.h"
#include "widgets/conditions.h"
#include "widgets/winhelpers.h"

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
class ColourFacts;
class ColourLog;
class ColourTableDropDown;
class CopyAs;
class ModelPage;
class EyedropperButton;
class PickCommands;

// The settings key below the user's root.
inline const QString kRegistryRoot = QStringLiteral("\\software\\Mardenvi_Qolvar");

class TformMain : public QMainWindow, public AppHost, public TableEditorHost {
    Q_OBJECT
public:
    // Creates the window and runs FormCreate, which takes the renotation
    // table being read ahead when it is the one it loads.
    explicit TformMain(QWidget* parent = nullptr, PendingMunsellTable munsellTable = {});
    ~TformMain() override;

    // The log viewer and the table editor, once they exist.
    void SetWindows(TformLogViewer* logViewer, QWidget* tableEditor);

    // Makes a colour current and shows it under the update guard, as the
    // colour dialog does (no page is refreshed unless live conversion is
    // on).
    void SetCurRGB(RGBCode rgb, CurrentColour::Source source = CurrentColour::Source::Dialog);

    // AppHost.
    RGBCode CurRGB() const override { return colour_.CurRGB(); }
    bool& InUpdate() override { return colour_.InUpdate(); }
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
    // AppHost and TableEditorHost.
    void AppExceptionHandler(QObject* sender, const std::exception& e) override;
    // TableEditorHost: closes this window, which ends the program.
    void QuitProgram() override;
    ColourView SwatchView() const override { return colourView_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void TrackBarRGB1Change();
    void SpinEditRGB1Change();
    void editRGBHEXChange();
    void Panel1Click();
    void Panel4Click();
    void Exit1Click();
    void Front1Click();
    void Contents1Click();
    void About1Click();
    void TblEdit1Click();

private:
    // Runs a handler, handing the library's errors to AppExceptionHandler.
    template <class F>
    void Guarded(QObject* sender, F&& f);

    void CreateActions();
    void CreateMenus();
    void CreateToolBar(QWidget* central);
    void CreateRGBSection(QWidget* central);
    void ConnectRGBSection();
    void CreatePages(QWidget* central);
    // The parts that show the current colour, in the order they show it.
    void SubscribeToCurrentColour();
    // Puts the controls into the window's layouts.
    void LayOut(QWidget* central);
    // Keeps the result swatch and its code on the shown page's corner.
    void PlaceResultSwatch();
    // Shows CurRGB in the RGB section and the current-colour swatch.
    void DspRGB();
    // Paints the swatches of both windows as the view shows colours; their
    // tool tips name the simulation.
    void SetColourView(ColourView view);
    // Shows the nearest table entry and the contrast with the refreshed
    // colour in the status bar.
    void UpdateColourFacts();
    // Refreshes the active page (the caller holds the update guard).
    void RefreshActivePage();
    // With live conversion on and the guard free, refreshes the active page
    // without a log line.
    void LiveRefresh();
    void LiveRefreshNow();
    // The index of the active model page, -1 when none is active.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // Start-up and shutdown.
    void FormCreate();
    void FormDestroy();
    void RestoreOptionStatus();
    void StoreOptionStatus();

    CurrentColour colour_;
    WindowConditions conditions_;
    // The fields now marked as holding a value that cannot be used.
    QList<QPointer<QWidget>> markedFields_;
    QString exeDir_;
    QPointer<TformLogViewer> formLogViewer_;
    QPointer<QWidget> formTblEdit_;

    // Controls (objectName = member name).
    QSlider *TrackBarRGB1 = nullptr, *TrackBarRGB2 = nullptr, *TrackBarRGB3 = nullptr;
    platform::SpinEdit *SpinEditRGB1 = nullptr, *SpinEditRGB2 = nullptr, *SpinEditRGB3 = nullptr;
    QLabel *LabelR = nullptr, *LabelG = nullptr, *LabelB = nullptr, *LabelRGB = nullptr, *Label5 = nullptr,
           *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit* editRGBHEX = nullptr;
    QAction* MappedMark1 = nullptr;  // on editRGBHEX: the colour was mapped into sRGB
    platform::ColorPanel *Panel1 = nullptr, *Panel2 = nullptr, *Panel4 = nullptr;
    QWidget* Panel3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton *ToolButton6 = nullptr, *ToolButton7 = nullptr;
    QAction *FileExitCmd = nullptr, *TableEditCmd = nullptr;
    QAction* LiveConv1 = nullptr;
    bool liveRefresh_ = false;  // a live refresh writes no log line
    // The 表示 menu's choices: normal vision, protan, deutan, tritan.
    QAction* viewActions_[4] = {};
    ColourView colourView_;
    QAction *Front1 = nullptr, *Contents1 = nullptr, *About1 = nullptr;
    ColourFacts* colourFacts_ = nullptr;
    EyedropperButton* eyedropper_ = nullptr;
    // The window's parts.
    ColourLog* log_ = nullptr;
    CopyAs* copyAs_ = nullptr;
    ColourTableDropDown* table_ = nullptr;
    PickCommands* pickCommands_ = nullptr;
    // The pages in tab order: CIE, HUE, CMYK, VIDEO, Munsell.
    std::vector<ModelPage*> pages_;

    // The settings as this window read them at start: it writes back only
    // what it changed, so that another instance's changes stay.
    platform::SettingsMemory stored_;
    bool noActivePage_ = false;
    bool destroyed_ = false;
};

template <class F>
void TformMain::Guarded(QObject* sender, F&& f)
{
    CatchColourErrors(f, [&](const ColourError& e) { AppExceptionHandler(sender, e); });
}

}  // namespace qolvar::app
