// Where the program's files lie.
//
// The shipped data (renotation tables, colour tables under Table/, help) is
// read-only: it lies beside the binaries in a build tree and in
// share/qolvar of an installed prefix, found from the executable's own
// folder so that a prefix moved elsewhere still works. What the user makes
// (saved logs, tables of their own) belongs in the user's data folder;
// nothing is ever written beside the binaries.
#pragma once

#include <QString>
#include <QStringList>

namespace qolvar::table {

// The shipped data folder of a program whose executable lies in exeDir:
// exeDir itself when the default renotation table lies there (a build
// tree), else the installed data folder relative to exeDir
// (exeDir/../share/qolvar) when it exists, else exeDir, so that a missing
// file is reported where a build would have it.
QString DataFolderFor(const QString& exeDir);

// The user's own data folder: $XDG_DATA_HOME/qolvar, by default
// ~/.local/share/qolvar. Only the name: nothing is created.
QString DefaultUserFolder();

// The colour tables (text tables *.tab, *.txt, *.csv; GIMP palettes *.gpl;
// swatches *.aco; colour guides *.cgd) lying directly in the folders:
// each folder's files by name, the folders in the order given; a folder
// that does not exist adds nothing.
QStringList TableFilesIn(const QStringList& folders);

}  // namespace qolvar::table
