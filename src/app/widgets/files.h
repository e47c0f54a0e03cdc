// Where the windows find their files: the program's shipped data, the
// user's own folder, the colour tables to offer, and the file dialogs of
// both windows (which remember the folder last chosen in this run).
#pragma once

#include <QString>
#include <QStringList>

#include "platform/dialogs.h"

class QWidget;

namespace qolvar::app {

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

}  // namespace qolvar::app
