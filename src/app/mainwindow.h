// The main window: the current colour CurRGB, its RGB section, the five
// model pages, the colour log commands, the settings kept between runs.
//
// Every handler reacts to the user through the update guard InUpdate:
// a handler returns at once when it is set, sets it while it rewrites
// controls, and clears it when done (also when it fails). Writing a control
// raises its change signal synchronously and only when the value changes;
// all re-entrancy comes from that.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <exception>
#include <vector>

#include "colour/codes.h"

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
class CIEPage;
class HuePage;
class CMYKPage;
class VideoPage;
class MunsellPage;

// The help file to open for a help name such as "Qolvar.chm": the file in
// the folder if it is there, else the HTML help beside the program.
QString HelpPath(const QString& folder, const QString& fileName);
// Tells the user when the shell could not open a help file: a result code
// (taken as 16 bits) below 32 gives the warning "プログラムを起動できません …".
void DisplayResult(QWidget* parent, int code, const QString& fileName);

// The settings key below the user's root.
inline const QString kRegistryRoot = QStringLiteral("\\software\\Mardenvi_Qolvar");

class TformMain : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window and runs FormCreate.
    explicit TformMain(QWidget* parent = nullptr);
    ~TformMain() override;

    // The current colour and the update guard.
    RGBCode CurRGB = 0;
    bool InUpdate = false;

    // Window state shared with the other windows.
    QString ExeDir;
    QString TableFileName;
    QString LogFileName;
    QPointer<TformLogViewer> formLogViewer;
    QPointer<QWidget> formTblEdit;

    void DspRGB();
    void DspDsetRGB(RGBCode rgb);
    void OverErr();
    // Appends a line "RGB=#" + hex field + " " + text to the log.
    void LogWrite(const QString& text);

    // Shows an error as the application's error box; conversion errors
    // (text that is not a number) are ignored.
    void AppExceptionHandler(QObject* sender, const std::exception& e);
    // Runs f, handing any exception to AppExceptionHandler.
    template <class F>
    void Guarded(QObject* sender, F&& f);

    // Handlers.
    void BitBtn1Click();
    void TrackBarRGB1Change();
    void SpinEditRGB1Change();
    void editRGBHEXChange();
    void Panel1Click();
    void Panel4Click();
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
    void cboxColorClick(int index);
    void cboxColorSelect(int index);
    void BrowseHelp(const QString& fileName);
    void DisplayResult(int code, const QString& fileName);

    // Start-up and shutdown.
    void FormCreate();
    void FormDestroy();
    void RestoreOptionStatus();
    void StoreOptionStatus();

    // Replaces the drop-down's rows by the lines of a table file, sets the
    // caption and the row colours (throws when it cannot be read).
    void LoadColorTable(const QString& path);

    // The index of the active model page, -1 when none is active.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // Controls (objectName = member name).
    QSlider *TrackBarRGB1, *TrackBarRGB2, *TrackBarRGB3;
    platform::SpinEdit *SpinEditRGB1, *SpinEditRGB2, *SpinEditRGB3;
    QLabel *LabelR, *LabelG, *LabelB, *LabelRGB, *Label5, *Label2, *Label3;
    QLineEdit* editRGBHEX;
    platform::ColorPanel *Panel1, *Panel2, *Panel4;
    QWidget* Panel3;
    QPushButton* BitBtn1;
    QTabWidget* PageControl1;
    QToolBar* ToolBar1;
    QToolButton *ToolButton6, *ToolButton7;
    QAction *FileNewCmd, *FileOpenCmd, *FileSaveCmd, *FileSaveAsCmd, *FileExitCmd, *TableLoadCmd, *LogViewCmd,
        *TableEditCmd;
    QAction *Front1, *TblSort1, *Contents1, *About1;
    QLabel* labelColFn;
    ColorTableCombo* cboxColor;
    // The colour of each row of cboxColor, in the rows' displayed order.
    std::vector<TColor> TableColors;

    CIEPage* pageCIE = nullptr;
    HuePage* pageHue = nullptr;
    CMYKPage* pageCMYK = nullptr;
    VideoPage* pageVideo = nullptr;
    MunsellPage* pageMunsell = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar(QWidget* central);
    void CreateRGBSection(QWidget* central);
    void CreatePages(QWidget* central);
    void RefreshPage(int index);
    void PickScreenColour();
    void SetColorRows(const QStringList& rows);
    void CreateColorTable(QWidget* central);

    // The log dialogs' remembered state.
    QString saveDialogName_ = QStringLiteral("Qolvar_Data00.log");
    bool noActivePage_ = false;
    bool pickActive_ = false;
    bool destroyed_ = false;
};

template <class F>
void TformMain::Guarded(QObject* sender, F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        AppExceptionHandler(sender, e);
    }
}

// Sets a flag for the lifetime of the object and clears it at the end, also
// when the scope is left by an exception.
class GuardScope {
public:
    explicit GuardScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~GuardScope() { flag_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    bool& flag_;
};

}  // namespace qolvar::app
