// Opening the help files through the shell, for both windows.
#pragma once

#include <QString>

class QWidget;

namespace qolvar::app {

// The help file to open for a help name such as "Qolvar.chm": the file in
// the folder if it is there, else the HTML help beside the program.
QString HelpPath(const QString& folder, const QString& fileName);
// Tells the user when the shell could not open a help file: a result code
// (taken as 16 bits) below 32 gives the warning "プログラムを起動できません …".
void DisplayResult(QWidget* parent, int code, const QString& fileName);
// Opens the help file of that name for the folder and reports a failure.
// The warning when help cannot be shown: the file is missing, or no
// program could be started to show it.
QString HelpFailureText(const QString& path);
void BrowseHelp(QWidget* parent, const QString& folder, const QString& fileName);

}  // namespace qolvar::app
