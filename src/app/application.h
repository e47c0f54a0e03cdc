// The program's application object and its four windows.
#pragma once

#include <QApplication>
#include <memory>

#include "conditions.h"
#include "platform/dialogs.h"

namespace qolvar::app {

class TformMain;
class TAboutBox;
class TformLogViewer;
class TformTblEdit;

// Hands any exception that escapes an event handler to the main window's
// AppExceptionHandler, so that none crosses the event loop.
class QolvarApplication : public QApplication {
public:
    QolvarApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The language of the user interface for the user's languages in order of
// preference (QLocale::uiLanguages(), from LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG): "ja" when Japanese comes before English, else "en".
QString UiLanguage(const QStringList& uiLanguages);

// Installs Qt's own translation of its dialogs and buttons for the
// language ("ja": qtbase_ja from Qt's translations folder) into the
// application; false when there is none to install.
bool InstallQtTranslation(const QString& language);

// Installs the program's own translation for the language (the texts are
// written in Japanese; "en": the embedded English translation); false for
// Japanese or a language without one.
bool InstallProgramTranslation(const QString& language);

// The program and Qt's dialogs in the language: removes what an earlier
// call installed, then installs both translations. Windows created
// afterwards show their texts in it; files the program writes never change
// with the language.
void UseLanguage(const QString& language);

// Removes every translation installed through these functions: the
// program's Japanese texts and Qt's English ones.
void RemoveTranslations();

// The windows in their order of creation: the main window (which runs its
// FormCreate), the about box, the log viewer, the table editor. Only the
// main window is shown (by the caller).
struct Windows {
    std::unique_ptr<TformMain> formMain;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TformLogViewer> formLogViewer;
    std::unique_ptr<TformTblEdit> formTblEdit;
    Windows();
    ~Windows();
    Windows(Windows&&) noexcept;
};
Windows CreateWindows();

// The about box, the log viewer and the table editor, tied to the main
// window (once).
void CreateHiddenWindows(Windows& w);

// For the program's start: the main window now (taking the renotation table
// being read ahead), the windows that start hidden just after it has
// painted its first frame (or a quarter of a second after it is shown,
// should it not paint), so that it appears sooner. `w` must not move until
// then.
void CreateWindowsMainFirst(Windows& w, PendingMunsellTable munsellTable = {});

// The program's folder, where its shipped data files lie (read-only): the
// executable's folder in a build tree, share/qolvar of an installed prefix
// (table/folders.h), unless set otherwise (tests give a test a folder of
// its own).
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// The user's own data folder, $XDG_DATA_HOME/qolvar unless set otherwise:
// logs are saved there by default, and colour tables put there are listed
// beside the shipped ones. Setting it also forgets the folder last used.
QString UserFolder();
void SetUserFolder(const QString& folder);

// The colour tables to offer: the shipped ones (Table/ in the program's
// folder), then the user's own.
QStringList ColourTableFiles();

// True for the program's folder and the folders below it: shipped data,
// never written to.
bool IsShippedFolder(const QString& folder);

// The file dialogs of both windows. They start in options.initialDir when
// it is set, else in the folder of the file last chosen in this run (for a
// save, unless that is a shipped folder), else in the user's folder
// (created then); the chosen file's folder is remembered. The chosen path,
// or empty when cancelled.
QString ChooseOpenFile(QWidget* parent, platform::FileDialogOptions options);
QString ChooseSaveFile(QWidget* parent, platform::FileDialogOptions options);

class AppHost;
// The main window in use, for the application's error handler and the
// table editor; nullptr when there is none.
AppHost* MainWindow();

}  // namespace qolvar::app
